#include "core/directories.h"
#include "ui/common/app_context.h"
#include "ui/common/artwork.h"
#include "ui/common/command_guard.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_helpers.h"
#include "ui/main/main_win.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

namespace {

// A failure that escapes an event handler ends that command with a message; the program
// goes on.
class VorlaneApplication : public QApplication {
public:
    using QApplication::QApplication;
    vorlane::Prompter* prompter = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            if (prompter)
                vorlane::ReportCommandFailure(*prompter, error);
        } catch (...) {
            if (prompter)
                vorlane::ReportUnknownFailure(*prompter);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    VorlaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane 98"));
    QApplication::setOrganizationName(QStringLiteral("Vorlane"));
    QApplication::setWindowIcon(QIcon(vorlane::ProgramLogo(64)));
    QApplication::setFont(vorlane::DesignFont());

    vorlane::AppContext context;
    context.programDir = vorlane::ProgramDirectory();
    context.startDir = vorlane::StartDirectory(vorlane::ToPath(QDir::currentPath()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        context.screen = screen->size();
    vorlane::QtPrompter prompter(
        vorlane::FromPath(context.startDir.empty() ? "/" : context.startDir));
    context.prompter = &prompter;
    app.prompter = &prompter;

    vorlane::TMainWin window(context);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        vorlane::RunCommand(prompter, [&] {
            window.OpenCollection(vorlane::ToPath(QFileInfo(arguments.at(1)).absoluteFilePath()));
        });
    window.show();
    return QApplication::exec();
}
