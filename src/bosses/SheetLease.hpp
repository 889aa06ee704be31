#pragma once

class Animated;

// Everything a boss brings into the arena draws from the boss sheets, which are freed when the
// run leaves the arena. Whatever is still alive then (a blackout fading in a list nobody
// cleared, a boss kept by a test) must not draw a freed texture: each such object holds a lease,
// and freeing the boss sheets first takes the sheet away from every holder.
class SheetLease {
public:
    explicit SheetLease(Animated& holder);
    ~SheetLease();
    SheetLease(const SheetLease&) = delete;
    SheetLease& operator=(const SheetLease&) = delete;

    // Every holder alive forgets its sheet (and texture).
    static void revokeAll();
    static int holders();

private:
    Animated* holder_;
};
