#include "ui/common/command_guard.h"

#include <new>

namespace vorlane {

void ReportCommandFailure(Prompter& prompter, const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        prompter.Inform(QStringLiteral("Out of memory"), QStringLiteral("Error"));
        return;
    }
    prompter.Inform(QString::fromUtf8(error.what()), QStringLiteral("Error"));
}

void ReportUnknownFailure(Prompter& prompter) {
    prompter.Inform(QStringLiteral("The command could not be completed."), QStringLiteral("Error"));
}

} // namespace vorlane
