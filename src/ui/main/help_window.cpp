#include "ui/main/help_window.h"

#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>

#include <cmath>

namespace vorlane {

namespace {

constexpr int kDesignWidth = 600;
constexpr int kDesignHeight = 450;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 8;

QPointer<THelpWindow>& TheWindow() {
    static QPointer<THelpWindow> window;
    return window;
}

bool HoldsHelp(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/index.html")).isFile();
}

} // namespace

QString HelpFolder(const AppContext& context) {
    const QString own = FromPath(context.programDir) + QStringLiteral("/help");
    if (HoldsHelp(own))
        return own;
    // An installed program's own folder may predate the help pages; the shipped ones serve.
    const QString shipped = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../share/vorlane98/help"));
    if (HoldsHelp(shipped))
        return shipped;
    return QString();
}

QList<HelpKeyword> ReadHelpKeywords(const QString& folder) {
    QList<HelpKeyword> index;
    QFile file(folder + QStringLiteral("/keywords.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return index;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        HelpKeyword entry{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
        if (!entry.Keyword.isEmpty() && !entry.Target.isEmpty())
            index.append(entry);
    }
    return index;
}

QString HelpTarget(const QList<HelpKeyword>& index, const QString& keyword) {
    const QString wanted = keyword.trimmed();
    for (const HelpKeyword& entry : index) {
        if (entry.Keyword.compare(wanted, Qt::CaseInsensitive) == 0)
            return entry.Target;
    }
    return QString();
}

THelpWindow::THelpWindow(AppContext& context, const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_folder(folder),
      m_index(ReadHelpKeywords(folder)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Vorlane 98 Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Reading help must never keep the program running once its main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_contentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    m_contentsButton->setObjectName(QStringLiteral("contentsButton"));
    m_backButton = new QPushButton(QStringLiteral("&Back"), this);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setEnabled(false);
    m_forwardButton = new QPushButton(QStringLiteral("&Forward"), this);
    m_forwardButton->setObjectName(QStringLiteral("forwardButton"));
    m_forwardButton->setEnabled(false);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setSearchPaths({folder});

    connect(m_contentsButton, &QPushButton::clicked, this, &THelpWindow::ShowContents);
    connect(m_backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backButton, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardButton, &QPushButton::setEnabled);

    resize(kDesignWidth, kDesignHeight);
    PlaceControls();
    TheWindow() = this;
}

THelpWindow* THelpWindow::Current() {
    return TheWindow().data();
}

void THelpWindow::ShowContents() {
    ShowTarget(QStringLiteral("index.html"));
}

bool THelpWindow::ShowKeyword(const QString& keyword) {
    const QString target = HelpTarget(m_index, keyword);
    if (target.isEmpty())
        return false;
    ShowTarget(target);
    return true;
}

void THelpWindow::ShowTarget(const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(m_folder + QLatin1Char('/') +
                                   target.left(hash < 0 ? target.size() : hash));
    if (hash >= 0)
        url.setFragment(target.mid(hash + 1));
    m_browser->setSource(url);
}

void THelpWindow::showEvent(QShowEvent* event) {
    if (!m_shown) {
        m_shown = true;
        const double ratio = ScaleRatio(m_context.factor);
        resize(static_cast<int>(std::lround(kDesignWidth * ratio)),
               static_cast<int>(std::lround(kDesignHeight * ratio)));
        for (QPushButton* button : {m_contentsButton, m_backButton, m_forwardButton}) {
            QFont font = button->font();
            font.setPointSizeF(kDesignFontPointSize * ratio);
            button->setFont(font);
        }
        ApplyFonts(this, m_context.fonts);
        move(CentredPosition(size(), m_context.screen));
    }
    QWidget::showEvent(event);
}

void THelpWindow::resizeEvent(QResizeEvent* event) {
    PlaceControls();
    QWidget::resizeEvent(event);
}

// The buttons keep their scaled design size; the page takes whatever room is left.
void THelpWindow::PlaceControls() {
    const double ratio = ScaleRatio(m_context.factor);
    auto scaled = [ratio](int design) { return static_cast<int>(std::lround(design * ratio)); };
    const int margin = scaled(kMargin);
    const int w = scaled(kButtonWidth);
    const int h = scaled(kButtonHeight);
    int left = margin;
    for (QPushButton* button : {m_contentsButton, m_backButton, m_forwardButton}) {
        button->setGeometry(left, margin, w, h);
        left += w + margin;
    }
    const int top = 2 * margin + h;
    m_browser->setGeometry(margin, top, qMax(0, width() - 2 * margin),
                           qMax(0, height() - top - margin));
}

void ShowHelp(AppContext& context, const QString& keyword, QWidget* parent) {
    const QString folder = HelpFolder(context);
    if (folder.isEmpty()) {
        context.prompter->Inform(QStringLiteral("The help files could not be located.  Please make "
                                                "sure the program was installed completely."),
                                 QStringLiteral("Error"));
        return;
    }
    THelpWindow* window = THelpWindow::Current();
    if (window && (window->Folder() != folder || &window->Context() != &context)) {
        delete window;
        window = nullptr;
    }
    if (!window)
        window = new THelpWindow(context, folder, parent);
    if (keyword.isEmpty() || !window->ShowKeyword(keyword))
        window->ShowContents();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vorlane
