#include "core/io_error.h"

#include <cerrno>

namespace vorlane {

IoError IoError::ReadBeyondEnd() {
    return IoError("Read beyond end of file");
}

IoError IoError::FromErrno(int err) {
    if (err == ENOSPC || err == EFBIG || err == EDQUOT)
        return IoError("Disk full");
    return IoError("I/O error " + std::to_string(err));
}

} // namespace vorlane
