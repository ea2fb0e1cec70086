#pragma once

#include <string>

namespace vorlane {

// The size and the labels of a metafile picture.
struct MetafileInfo {
    int PixelWidth = 0;
    int PixelHeight = 0;
    // Physical size in hundredths of a millimetre.
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    std::string Creator;     // Windows-1252
    std::string Description; // Windows-1252
};

} // namespace vorlane
