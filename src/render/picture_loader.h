#pragma once

#include "render/report_canvas.h"

#include <optional>
#include <string>

namespace vorlane {

// Finds the pictures of bitmap objects before a page is drawn.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The picture of a file, or nothing when the file does not exist.
    virtual std::optional<PictureRef> Load(const std::string& path) const = 0;
};

// Pictures from the file system: a file that exists gets the next id; the canvas that
// draws it reads the file itself.
class FilePictureLoader : public PictureLoader {
public:
    std::optional<PictureRef> Load(const std::string& path) const override;

private:
    mutable int m_nextId = 1;
};

} // namespace vorlane
