#include "support/gui_helpers.h"
#include "support/scripted_prompter.h"
#include "ui/common/app_context.h"
#include "ui/common/artwork.h"
#include "ui/common/ui_text.h"
#include "ui/main/about_box.h"
#include "ui/main/tip_of_day.h"
#include "ui/main/user_manual.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

struct WindowFixture : ::testing::Test {
    WindowFixture() {
        context.screen = QSize(1024, 768);
        context.prompter = &prompter;
        context.programDir = ToPath(programDir.path());
    }
    ScriptedPrompter prompter;
    QTemporaryDir programDir;
    AppContext context;
};

using TipWindow = WindowFixture;
using UserManualNotice = WindowFixture;
using AboutWindow = WindowFixture;

// Saves what the window looks like when VORLANE_SCREENSHOT_DIR names a folder, for review.
void Screenshot(QWidget& window, const char* name) {
    const QString dir = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    window.grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

} // namespace

TEST(TipTexts, AllTipsFitTheirCapacityAndAmpersandsShowOnce) {
    for (int n = 1; n <= kTipCount; ++n) {
        const QString tip = TipText(n);
        EXPECT_FALSE(tip.trimmed().isEmpty()) << "tip " << n;
        EXPECT_LE(tip.size(), 180) << "tip " << n;
        const bool shared = n == 8 || n == 18;
        EXPECT_EQ(tip.count(QLatin1Char('&')), shared ? 1 : 0) << "tip " << n;
    }
    EXPECT_TRUE(TipText(8).endsWith(QStringLiteral("(import & export)")));
    EXPECT_TRUE(TipText(0).isEmpty());
    EXPECT_TRUE(TipText(33).isEmpty());
}

TEST_F(TipWindow, ShowsARandomTipAndNextTipWrapsFrom32To1) {
    context.settings.ShowTips = true;
    TTipOfDay tip(context);
    tip.show();
    EXPECT_EQ(tip.windowTitle(), QStringLiteral("Tip of the Day"));
    EXPECT_GE(tip.TipNumber(), 1);
    EXPECT_LE(tip.TipNumber(), kTipCount);
    auto* label = Find<QLabel>(&tip, "tipLabel");
    EXPECT_EQ(label->text(), TipText(tip.TipNumber()));

    tip.ShowTip(31);
    Click(&tip, "nextTipButton");
    EXPECT_EQ(tip.TipNumber(), 32);
    Click(&tip, "nextTipButton");
    EXPECT_EQ(tip.TipNumber(), 1);
    EXPECT_EQ(label->text(), TipText(1));
    // The shared tips show a single ampersand, not a mnemonic.
    tip.ShowTip(18);
    EXPECT_TRUE(label->text().contains(QStringLiteral("(import & export)")));
    Screenshot(tip, "tip_of_day.png");
}

TEST_F(TipWindow, ShowTipsFollowsTheCheckBoxHoweverTheWindowCloses) {
    struct Case {
        bool settingBefore;
        bool check;
        const char* how; // a button name, or "" for the window's own close
    };
    const std::array<Case, 4> cases = {{
        {false, true, "closeButton"},
        {true, false, "closeButton"},
        {false, true, ""},
        {true, false, "escape"},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        context.settings.ShowTips = c.settingBefore;
        TTipOfDay tip(context);
        tip.show();
        auto* box = Find<QCheckBox>(&tip, "showTipsCheckBox");
        EXPECT_EQ(box->isChecked(), c.settingBefore);
        box->setChecked(c.check);
        EXPECT_EQ(context.settings.ShowTips, c.settingBefore) << "changed before closing";
        if (QString::fromLatin1(c.how) == QStringLiteral("escape"))
            QTest::keyClick(&tip, Qt::Key_Escape);
        else if (*c.how)
            Click(&tip, c.how);
        else
            tip.close();
        EXPECT_FALSE(tip.isVisible());
        EXPECT_EQ(context.settings.ShowTips, c.check);
    }
}

TEST_F(UserManualNotice, MissingManualGivesTheErrorAndCloses) {
    TUserManual notice(context);
    notice.show();
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("User Manual Notice"));
    Screenshot(notice, "user_manual.png");
    Click(&notice, "okButton");
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Last().text,
              QStringLiteral("The User Manual could not be located.  Please make sure the user "
                             "manual was installed.  A copy is available at our web site."));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    EXPECT_FALSE(notice.isVisible());
    EXPECT_EQ(notice.result(), QDialog::Accepted);
}

TEST_F(UserManualNotice, PresentManualIsOpenedAndCancelOpensNothing) {
    const QString path = QDir(programDir.path()).filePath(QString::fromLatin1(kUserManualFile));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
    {
        TUserManual notice(context);
        notice.show();
        Click(&notice, "cancelButton");
        EXPECT_FALSE(notice.isVisible());
        EXPECT_TRUE(prompter.History().empty());
    }
    TUserManual notice(context);
    notice.show();
    EXPECT_TRUE(Find<QPushButton>(&notice, "okButton")->isDefault());
    Click(&notice, "okButton");
    ASSERT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(prompter.History()[0].kind, ScriptedPrompter::Kind::Document);
    EXPECT_EQ(prompter.History()[0].text, path);
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(AboutWindow, ShowsProductAndVersionAndOkCloses) {
    TAboutBox about(context);
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(Find<QLabel>(&about, "productLabel")->text(), QStringLiteral("Vorlane 98"));
    EXPECT_EQ(Find<QLabel>(&about, "versionLabel")->text(), QStringLiteral("Version 3.0d"));
    EXPECT_FALSE(Find<QLabel>(&about, "logoLabel")->pixmap().isNull());
    Screenshot(about, "about.png");
    Click(&about, "okButton");
    EXPECT_FALSE(about.isVisible());
}

TEST(Artwork, PicturesHaveTheirSizes) {
    constexpr std::array<ToolPicture, 13> tools = {
        ToolPicture::NewCollection, ToolPicture::OpenCollection, ToolPicture::NewPuzzle,
        ToolPicture::ModifyPuzzle,  ToolPicture::CopyPuzzle,     ToolPicture::DeletePuzzle,
        ToolPicture::ImportPuzzles, ToolPicture::ExportPuzzles,  ToolPicture::PrintPuzzle,
        ToolPicture::PuzzleShape,   ToolPicture::PageLayout,     ToolPicture::Help,
        ToolPicture::Exit};
    for (ToolPicture t : tools) {
        const QIcon icon = ToolIcon(t);
        ASSERT_FALSE(icon.isNull());
        for (int side : {24, 48}) {
            const QPixmap pixmap = icon.pixmap(side, side);
            EXPECT_EQ(pixmap.size(), QSize(side, side));
            // Something is drawn: the picture is not fully transparent.
            const QImage image = pixmap.toImage();
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 0;
            EXPECT_GT(opaque, side * side / 10) << static_cast<int>(t) << " at " << side;
        }
    }
    EXPECT_EQ(ProgramLogo(64).size(), QSize(64, 64));
    EXPECT_EQ(TipPicture(56).size(), QSize(56, 56));
    EXPECT_EQ(BackgroundTile().size(), QSize(96, 96));

    const QString dir = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    // One sheet for review: the tool bar at 24 and 48 pixels, the pictures and the tile.
    QPixmap sheet(13 * 56 + 16, 360);
    sheet.fill(QColor(212, 208, 200));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const int x = 8 + static_cast<int>(i) * 56;
        p.drawPixmap(x + 12, 8, ToolIcon(tools[i]).pixmap(24, 24));
        p.drawPixmap(x, 40, ToolIcon(tools[i]).pixmap(48, 48));
    }
    p.drawPixmap(8, 100, ProgramLogo(72));
    p.drawPixmap(88, 100, ProgramLogo(32));
    p.drawPixmap(128, 100, TipPicture(56));
    p.drawPixmap(192, 100, TipPicture(28));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            p.drawPixmap(240 + x * 96, 100 + y * 96, BackgroundTile());
    p.end();
    sheet.save(QDir(dir).filePath(QStringLiteral("artwork.png")));
}
