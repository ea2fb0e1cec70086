#pragma once

#include <stdexcept>
#include <string>

namespace vorlane {

// A read or write that failed after its file was opened. The text is the one the user sees.
class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& text) : std::runtime_error(text) {}

    static IoError ReadBeyondEnd();
    // "Disk full" for the out-of-space family of errors, else "I/O error %d".
    static IoError FromErrno(int err);
};

} // namespace vorlane
