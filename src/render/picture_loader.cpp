#include "render/picture_loader.h"

#include <filesystem>
#include <system_error>

namespace vorlane {

std::optional<PictureRef> FilePictureLoader::Load(const std::string& path) const {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error))
        return std::nullopt;
    return PictureRef{m_nextId++, path};
}

} // namespace vorlane
