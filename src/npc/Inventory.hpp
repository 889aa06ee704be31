#pragma once

#include <map>
#include <memory>
#include <string>

class Objeto;
class Prota;

namespace items {

struct InventoryEntry {
    std::shared_ptr<Objeto> icon;
    int count = 0;
    std::string name;
};

// Upgrades bought in this run, by kind (0 to 3 only). Icons stack down the left edge in the
// order of first purchase.
class Inventory {
public:
    void recordPurchase(int kind);
    void clear() { entries_.clear(); }
    const std::map<int, InventoryEntry>& entries() const { return entries_; }
    // Gives a fresh player every recorded upgrade as many times as it was bought (a revive).
    void reapply(Prota& prota) const;

private:
    std::map<int, InventoryEntry> entries_;
};

}  // namespace items
