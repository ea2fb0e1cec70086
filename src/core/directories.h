#pragma once

#include <string>
#include <string_view>

// The program's two folders and the screen-scaling arithmetic, fixed at start-up. Folders
// are kept without a trailing '/', so that "/" + a file name can always be appended.
namespace vorlane {

// The working folder as the start directory: trailing '/' removed, so the root becomes "".
std::string StartDirectory(std::string_view cwd);

// The environment variables that decide the program directory; empty means unset.
struct ProgramEnvironment {
    std::string VorlaneProgramDir; // VORLANE_PROGRAM_DIR
    std::string XdgDataHome;       // XDG_DATA_HOME
    std::string Home;              // HOME

    static ProgramEnvironment FromProcess();
};

// The folder that holds and receives the program's own files (shapes, page layouts, word
// lists): VORLANE_PROGRAM_DIR when set; else the executable's folder when it holds the
// shipped files and is writable; else, for an installed program (<exe folder>/../share/
// vorlane98 exists), $XDG_DATA_HOME/vorlane98, created and given copies of the shipped files
// it lacks; else the executable's folder.
std::string ProgramDirectory(const std::string& exePath, const ProgramEnvironment& env);
// The same for this process, from /proc/self/exe and the real environment.
std::string ProgramDirectory();

// The scale factor that a "Window Size" setting gives on a screen of that size.
double ScaleFactor(int windowSize, int screenWidth, int screenHeight);

struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const WindowRect&) const = default;
};

// A window of design size scaled by the factor (in whole hundredths) and centred on the
// screen; a window larger than the screen gets a negative position.
WindowRect ScaledWindowRect(int designWidth, int designHeight, double factor, int screenWidth,
                            int screenHeight);

} // namespace vorlane
