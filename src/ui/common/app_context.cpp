#include "ui/common/app_context.h"

namespace vorlane {

std::string AppContext::SettingsPath() const {
    return SettingsFilePath(startDir);
}

std::string AppContext::ProgramFile(const std::string& name) const {
    return programDir + "/" + name;
}

std::string AppContext::StartFile(const std::string& name) const {
    return startDir + "/" + name;
}

} // namespace vorlane
