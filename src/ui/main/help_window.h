#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace vorlane {

struct AppContext;

// The keyword of the help topic on sharing puzzles, shapes and layouts as files.
inline constexpr const char* kHelpDataExchange = "DATA EXCHANGE VIA INTERNET";

// Opens the help window (one for the whole program, not modal; raised when already open) at
// the contents when keyword is empty, else at the keyword's topic; a keyword without topic
// shows the contents. A help folder that is missing gives Prompter message "The help files
// could not be located.  Please make sure the program was installed completely." caption
// "Error".
void ShowHelp(AppContext& context, const QString& keyword, QWidget* parent = nullptr);

// Where the help folder is: programDir + "/help", else the installed share folder next to the
// executable (<exe dir>/../share/vorlane98/help). A folder counts only when it holds the
// contents page, index.html; empty when neither does.
QString HelpFolder(const AppContext& context);

// One line of the help folder's keyword index (keywords.txt): "keyword = page.html#anchor".
struct HelpKeyword {
    QString Keyword;
    QString Target; // page, optionally with "#anchor"
};
// The index of a help folder, in file order; blank lines, lines starting with '#' and lines
// without '=' are skipped. A missing index is an empty one.
QList<HelpKeyword> ReadHelpKeywords(const QString& folder);
// The target of a keyword, compared without regard to case; empty when there is none.
QString HelpTarget(const QList<HelpKeyword>& index, const QString& keyword);

// The help viewer: the pages of one help folder with Contents, Back and Forward.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    THelpWindow(AppContext& context, const QString& folder, QWidget* parent = nullptr);

    // The open help window, or none.
    static THelpWindow* Current();

    QString Folder() const { return m_folder; }
    const AppContext& Context() const { return m_context; }
    void ShowContents();
    // Shows the keyword's topic; false (and nothing changes) when the index has none.
    bool ShowKeyword(const QString& keyword);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowTarget(const QString& target);
    void PlaceControls();

    AppContext& m_context;
    QString m_folder;
    QList<HelpKeyword> m_index;
    QTextBrowser* m_browser;
    QPushButton* m_contentsButton;
    QPushButton* m_backButton;
    QPushButton* m_forwardButton;
    bool m_shown = false;
};

} // namespace vorlane
