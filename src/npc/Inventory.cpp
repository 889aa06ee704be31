#include "npc/Inventory.hpp"

#include "npc/Objeto.hpp"

namespace items {
void Inventory::recordPurchase(int kind) {
    if (kind < 0 || kind > 3) {
        return;
    }
    auto it = entries_.find(kind);
    if (it != entries_.end()) {
        it->second.count += 1;
        return;
    }
    const double n = static_cast<double>(entries_.size());
    entries_[kind] = InventoryEntry{
        std::make_shared<Objeto>(WorldRect{0.1, 3.45 + 1.41 * n, 1.41, 1.41}, 0, 0, kind), 1, ""};
}
void Inventory::reapply(Prota&) const {}
}  // namespace items
