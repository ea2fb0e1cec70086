#pragma once

#include "ui/common/prompter.h"

#include <exception>
#include <utility>

namespace vorlane {

// The general error handler: a read or write that fails inside a command (IoError) or any
// other failure ends the command with a message box; the program keeps running.
void ReportCommandFailure(Prompter& prompter, const std::exception& error);
void ReportUnknownFailure(Prompter& prompter);

// Runs one command of a window under the general error handler. Returns false when the
// command ended by a failure.
template <class F> bool RunCommand(Prompter& prompter, F&& command) {
    try {
        std::forward<F>(command)();
        return true;
    } catch (const std::exception& error) {
        ReportCommandFailure(prompter, error);
    } catch (...) {
        ReportUnknownFailure(prompter);
    }
    return false;
}

} // namespace vorlane
