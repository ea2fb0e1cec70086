#pragma once

#include <string>

namespace vorlane {

// A message box the program shows: its text and its caption.
struct Message {
    std::string Text;
    std::string Caption;
    bool operator==(const Message&) const = default;
};

} // namespace vorlane
