#include "bosses/SheetLease.hpp"

#include <algorithm>
#include <vector>

#include "render/Animated.hpp"

namespace {
std::vector<Animated*>& registry() {
    static std::vector<Animated*> holders;
    return holders;
}
}  // namespace

SheetLease::SheetLease(Animated& holder) : holder_(&holder) {
    registry().push_back(holder_);
}

SheetLease::~SheetLease() {
    auto& r = registry();
    r.erase(std::remove(r.begin(), r.end(), holder_), r.end());
}

void SheetLease::revokeAll() {
    for (Animated* a : registry()) {
        a->sheet = nullptr;
        a->texture = nullptr;
    }
}

int SheetLease::holders() {
    return static_cast<int>(registry().size());
}
