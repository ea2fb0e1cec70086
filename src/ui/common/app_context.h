#pragma once

#include "core/random_source.h"
#include "core/settings.h"
#include "ui/common/window_helpers.h"

#include <QSize>

#include <memory>
#include <string>

namespace vorlane {

class Prompter;

// The program-wide facts every window works with, fixed at start-up and owned by the
// program for the whole run.
struct AppContext {
    Settings settings;
    std::string programDir; // without a trailing '/'
    std::string startDir;   // without a trailing '/'
    QSize screen{640, 480}; // read once at start-up
    double factor = 1.0;    // the scale factor of the "Window Size" setting
    ProgramFonts fonts;
    Prompter* prompter = nullptr;
    RandomSource random = RandomSource::FromClock();

    // The settings file of the start directory.
    std::string SettingsPath() const;
    // A file of the program directory.
    std::string ProgramFile(const std::string& name) const;
    // A file of the start directory.
    std::string StartFile(const std::string& name) const;
};

} // namespace vorlane
