#pragma once

#include "core/settings.h"

namespace vorlane {

// The program-wide options a creation run uses (from the settings' Create sections).
struct CreateOptions {
    DirectionSet Directions{true, true, true, true, true, true, true, true}; // all on
    int Integration = 6;     // track bar position 0..6
    int Attempts = 1;        // 1..999
    bool Shrink = false;

    static CreateOptions FromSettings(const Settings& settings) {
        return {settings.Directions, settings.Integration, settings.Attempts, settings.Shrink};
    }
};

} // namespace vorlane
