#pragma once

#include <cstddef>

class Escena;
class Objeto;

// The shop's shelf: three upgrades on sale, the shopkeeper's gift, and paying for what is
// taken.
class SceneShop {
public:
    // The purse holds at most this many coins.
    static constexpr int kMaxCoins = 99;

    explicit SceneShop(Escena& scene) : s_(scene) {}

    // Three different upgrades; the heart container is not sold on Impossible.
    void buildShop();
    // Whether the player may take item now: paid for, the gift, or anything in the tutorial.
    bool mayTake(const Objeto& item) const;
    void takeItem(std::size_t index);

private:
    Escena& s_;
};
