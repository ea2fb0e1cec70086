#include "ui/main/help_window.h"

#include "support/gui_helpers.h"
#include "support/scripted_prompter.h"
#include "ui/common/app_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

// The help pages as the sources hold them; the tests never rely on a build's copy.
QString SourceHelpFolder() {
    return QDir::cleanPath(QStringLiteral(VORLANE_TEST_DATA_DIR "/../../data/help"));
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// A program directory with a copy of the help folder, and a context that uses it.
class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_context.programDir = m_dir.path().toStdString();
        m_context.prompter = &m_prompter;
        m_context.screen = QSize(1024, 768);
    }
    void TearDown() override { delete THelpWindow::Current(); }

    void InstallHelp() {
        const QString target = m_dir.path() + QStringLiteral("/help");
        ASSERT_TRUE(QDir().mkpath(target));
        const QDir source(SourceHelpFolder());
        for (const QString& name : source.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), target + QLatin1Char('/') + name));
    }

    THelpWindow* Open(const QString& keyword) {
        ShowHelp(m_context, keyword);
        ProcessEvents();
        return THelpWindow::Current();
    }

    static QUrl Source(THelpWindow* window) {
        return Find<QTextBrowser>(window, "helpBrowser")->source();
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    AppContext m_context;
};

TEST_F(HelpWindowTest, OpensAtTheContentsOrAtAKeywordsTopic) {
    InstallHelp();
    struct Case {
        QString keyword;
        QString page;
        QString anchor;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("index.html"), QString()},
        {QStringLiteral("WORD SEARCH OBJECTS"), QStringLiteral("layouts.html"),
         QStringLiteral("word-search-objects")},
        {QStringLiteral("Report Window"), QStringLiteral("printing.html"),
         QStringLiteral("report-window")},
        {QString::fromLatin1(kHelpDataExchange), QStringLiteral("exchange.html"),
         QStringLiteral("data-exchange")},
        {QStringLiteral("report window"), QStringLiteral("printing.html"),
         QStringLiteral("report-window")},
        {QStringLiteral("No Such Topic"), QStringLiteral("index.html"), QString()},
    };
    THelpWindow* first = nullptr;
    for (const Case& c : cases) {
        THelpWindow* window = Open(c.keyword);
        ASSERT_NE(window, nullptr) << c.keyword.toStdString();
        // One help window for the whole program, shown again for every request.
        if (!first)
            first = window;
        EXPECT_EQ(window, first);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->objectName(), QStringLiteral("helpWindow"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 Help"));
        const QUrl source = Source(window);
        EXPECT_EQ(QFileInfo(source.toLocalFile()).fileName(), c.page) << c.keyword.toStdString();
        EXPECT_EQ(source.fragment(), c.anchor) << c.keyword.toStdString();
        EXPECT_FALSE(Find<QTextBrowser>(window, "helpBrowser")->toPlainText().isEmpty());
    }
    EXPECT_TRUE(m_prompter.Messages().empty());
}

TEST_F(HelpWindowTest, ContentsBackAndForwardNavigate) {
    InstallHelp();
    THelpWindow* window = Open(QStringLiteral("Report Window"));
    ASSERT_NE(window, nullptr);
    auto* back = Find<QPushButton>(window, "backButton");
    auto* forward = Find<QPushButton>(window, "forwardButton");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    Click(window, "contentsButton");
    EXPECT_EQ(QFileInfo(Source(window).toLocalFile()).fileName(), QStringLiteral("index.html"));
    EXPECT_TRUE(back->isEnabled());

    Click(window, "backButton");
    EXPECT_EQ(QFileInfo(Source(window).toLocalFile()).fileName(), QStringLiteral("printing.html"));
    EXPECT_TRUE(forward->isEnabled());
    Click(window, "forwardButton");
    EXPECT_EQ(QFileInfo(Source(window).toLocalFile()).fileName(), QStringLiteral("index.html"));
}

TEST_F(HelpWindowTest, MissingHelpFolderIsReported) {
    for (bool withEmptyFolder : {false, true}) {
        if (withEmptyFolder) {
            ASSERT_TRUE(QDir().mkpath(m_dir.path() + QStringLiteral("/help")));
        }
        m_prompter.Clear();
        EXPECT_EQ(Open(QString()), nullptr);
        EXPECT_EQ(Open(QStringLiteral("Report Window")), nullptr);
        ASSERT_EQ(m_prompter.Messages().size(), 2u);
        EXPECT_EQ(m_prompter.Last().text,
                  QStringLiteral("The help files could not be located.  Please make sure the "
                                 "program was installed completely."));
        EXPECT_EQ(m_prompter.Last().caption, QStringLiteral("Error"));
    }
}

TEST_F(HelpWindowTest, DamagedKeywordIndexStillOpensTheContents) {
    InstallHelp();
    QFile index(m_dir.path() + QStringLiteral("/help/keywords.txt"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
    index.write("\xff\xfe garbage\n= no keyword\nReport Window =\n\0\0\0", 40);
    index.close();
    THelpWindow* window = Open(QStringLiteral("Report Window"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QFileInfo(Source(window).toLocalFile()).fileName(), QStringLiteral("index.html"));
}

// A page reached through a link must exist, with the anchor the link names.
void ExpectTargetExists(const QString& folder, const QString& from, const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QString page = hash < 0 ? target : target.left(hash);
    if (page.isEmpty())
        page = from;
    const QString text = ReadText(folder + QLatin1Char('/') + page);
    ASSERT_FALSE(text.isEmpty()) << from.toStdString() << " links to missing "
                                 << target.toStdString();
    if (hash >= 0) {
        const QString anchor = target.mid(hash + 1);
        EXPECT_TRUE(text.contains(QStringLiteral("name=\"%1\"").arg(anchor)))
            << from.toStdString() << " links to missing anchor " << target.toStdString();
    }
}

TEST(HelpPagesTest, EveryLinkAndKeywordLeadsToAnExistingPlace) {
    const QString folder = SourceHelpFolder();
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const QString& page : pages) {
        const QString text = ReadText(folder + QLatin1Char('/') + page);
        for (const QRegularExpressionMatch& m : href.globalMatch(text)) {
            const QString target = m.captured(1);
            EXPECT_FALSE(target.contains(QLatin1Char(':')))
                << page.toStdString() << " links outside: " << target.toStdString();
            ExpectTargetExists(folder, page, target);
            ++links;
        }
    }
    EXPECT_GT(links, 0);

    const QList<HelpKeyword> index = ReadHelpKeywords(folder);
    for (const char* keyword : {"WORD SEARCH OBJECTS", "Report Window", kHelpDataExchange})
        EXPECT_FALSE(HelpTarget(index, QString::fromLatin1(keyword)).isEmpty()) << keyword;
    for (const HelpKeyword& entry : index)
        ExpectTargetExists(folder, QStringLiteral("keywords.txt"), entry.Target);

    // Every page can be reached from the contents page, directly or through others.
    QStringList reached{QStringLiteral("index.html")};
    for (qsizetype i = 0; i < reached.size(); ++i) {
        const QString text = ReadText(folder + QLatin1Char('/') + reached[i]);
        for (const QRegularExpressionMatch& m : href.globalMatch(text)) {
            const QString page = m.captured(1).section(QLatin1Char('#'), 0, 0);
            if (!page.isEmpty() && !reached.contains(page))
                reached.append(page);
        }
    }
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not linked";
}

TEST_F(HelpWindowTest, Screenshots) {
    const QString shots = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
    if (shots.isEmpty())
        GTEST_SKIP() << "set VORLANE_SCREENSHOT_DIR to save pictures of the help window";
    InstallHelp();
    ASSERT_TRUE(QDir().mkpath(shots));
    for (const auto& [keyword, name] :
         {std::pair{QString(), QStringLiteral("help-contents.png")},
          std::pair{QStringLiteral("Report Window"), QStringLiteral("help-report-window.png")}}) {
        THelpWindow* window = Open(keyword);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->grab().save(shots + QLatin1Char('/') + name));
    }
}

} // namespace
