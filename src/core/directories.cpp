#include "core/directories.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace vorlane {

namespace {

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return StartDirectory(std::string_view(path).substr(0, slash + 1));
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool HoldsShippedFiles(const std::string& folder) {
    return Exists(folder + "/VLFLAY.DAT") || Exists(folder + "/VLFPAGE.DAT");
}

bool IsWritable(const std::string& folder) {
    return ::access(folder.empty() ? "/" : folder.c_str(), W_OK) == 0;
}

// Copies every shipped file that target lacks; files already there belong to the user.
// A file that cannot be copied is left out: the command that needs it reports it missing.
void CopyMissingFiles(const fs::path& shipped, const fs::path& target) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(shipped, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError))
            continue;
        const fs::path copy = target / fs::relative(it->path(), shipped, fileError);
        if (fileError || Exists(copy))
            continue;
        fs::create_directories(copy.parent_path(), fileError);
        fs::copy_file(it->path(), copy, fs::copy_options::skip_existing, fileError);
    }
}

} // namespace

std::string StartDirectory(std::string_view cwd) {
    while (!cwd.empty() && cwd.back() == '/')
        cwd.remove_suffix(1);
    return std::string(cwd);
}

ProgramEnvironment ProgramEnvironment::FromProcess() {
    auto get = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {get("VORLANE_PROGRAM_DIR"), get("XDG_DATA_HOME"), get("HOME")};
}

std::string ProgramDirectory(const std::string& exePath, const ProgramEnvironment& env) {
    if (!env.VorlaneProgramDir.empty())
        return StartDirectory(env.VorlaneProgramDir);

    const std::string exeFolder = Folder(exePath);
    if (HoldsShippedFiles(exeFolder) && IsWritable(exeFolder))
        return exeFolder;

    const fs::path shipped = fs::path(exeFolder + "/../share/vorlane98").lexically_normal();
    if (!IsFolder(shipped))
        return exeFolder;

    // XDG_DATA_HOME counts only as an absolute path; otherwise its default applies.
    std::string dataHome;
    if (!env.XdgDataHome.empty() && env.XdgDataHome.front() == '/')
        dataHome = env.XdgDataHome;
    else if (!env.Home.empty())
        dataHome = StartDirectory(env.Home) + "/.local/share";
    const std::string userFolder = StartDirectory(dataHome) + "/vorlane98";
    if (!dataHome.empty()) {
        std::error_code error;
        fs::create_directories(userFolder, error);
    }
    if (dataHome.empty() || !IsFolder(userFolder)) {
        // Without a folder of its own the program can still read the shipped files.
        return StartDirectory(shipped.string());
    }
    CopyMissingFiles(shipped, userFolder);
    return userFolder;
}

std::string ProgramDirectory() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        exe = fs::current_path(error) / "vorlane98";
    return ProgramDirectory(exe.string(), ProgramEnvironment::FromProcess());
}

double ScaleFactor(int windowSize, int screenWidth, int screenHeight) {
    switch (windowSize) {
    case 800:
        return screenWidth >= 800 && screenHeight >= 600 ? 1.25 : 1.0;
    case 1024:
        return screenWidth >= 1024 && screenHeight >= 768 ? 1.6 : 1.0;
    case 1280:
        return screenWidth >= 1280 && screenHeight >= 1024 ? 2.0 : 1.0;
    default:
        return 1.0;
    }
}

WindowRect ScaledWindowRect(int designWidth, int designHeight, double factor, int screenWidth,
                            int screenHeight) {
    const long long percent = static_cast<long long>(std::trunc(factor * 100.0));
    // Proportional scaling rounds each size to the nearest pixel, halves away from zero.
    auto scale = [percent](int size) {
        const long long product = static_cast<long long>(size) * percent;
        const long long rounded = product >= 0 ? (product + 50) / 100 : (product - 50) / 100;
        return static_cast<int>(rounded);
    };
    WindowRect rect;
    rect.Width = scale(designWidth);
    rect.Height = scale(designHeight);
    rect.Left = (screenWidth - rect.Width) / 2;
    rect.Top = (screenHeight - rect.Height) / 2;
    return rect;
}

} // namespace vorlane
