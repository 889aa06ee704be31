#pragma once

// The horizontal range a patrolling enemy walks, in world units.
struct PatrolLimits {
    double minX = 0.0;
    double maxX = 0.0;
};
