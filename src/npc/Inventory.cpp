#include "npc/Inventory.hpp"

#include "npc/Items.hpp"
#include "npc/Objeto.hpp"

namespace {
// The icons stack down the left edge of the pause screen, one per kind, in the order bought,
// one to a shelf from the shelf below the "Objetos" button.
constexpr double kIconX = 0.1;
constexpr double kIconSize = 1.41;
constexpr double kFirstIconY = 3.45 + kIconSize;
}  // namespace

namespace items {

void Inventory::recordPurchase(int kind) {
    // Only the four lasting upgrades are kept: hearts are used up at once.
    if (kind < Objeto::kDamage || kind > Objeto::kRange) {
        return;
    }
    auto found = entries_.find(kind);
    if (found != entries_.end()) {
        found->second.count += 1;
        return;
    }
    const double slot = static_cast<double>(entries_.size());
    InventoryEntry entry;
    entry.icon = std::make_shared<Objeto>(
        WorldRect{kIconX, kFirstIconY + kIconSize * slot, kIconSize, kIconSize}, 0.0, 0.0, kind);
    entry.count = 1;
    entry.name = name(kind);
    entries_.emplace(kind, std::move(entry));
}

void Inventory::reapply(Prota& prota) const {
    // Every purchase was paid for, so each counts again: three damage upgrades give three.
    for (const auto& [kind, entry] : entries_) {
        for (int i = 0; i < entry.count; ++i) {
            applyEffect(kind, prota);
        }
    }
}

}  // namespace items
