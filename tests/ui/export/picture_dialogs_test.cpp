#include "support/gui_helpers.h"
#include "support/scripted_prompter.h"
#include "ui/common/app_context.h"
#include "ui/export/my_bitmap_width.h"
#include "ui/export/the_jpeg_factor.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <array>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

const QString kInvalidWidth = QStringLiteral("Invalid width specified.  Please correct.");
const QString kInvalidFactor =
    QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100");

struct PictureDialogs : ::testing::Test {
    PictureDialogs() {
        context.screen = QSize(1024, 768);
        context.prompter = &prompter;
        context.settings.PixelWidth = 640;
        context.settings.JPegCompressionQuality = 50;
    }

    // Shows the dialog, with the focus away from the field, the way a user reaches Ok.
    void Open(QDialog& dialog, const char* field) {
        dialog.show();
        dialog.activateWindow();
        ProcessEvents();
        Find<QPushButton>(&dialog, "okButton")->setFocus();
        m_field = Find<QLineEdit>(&dialog, field);
    }
    // A refused value leaves the window open with the focus back in the field.
    void ExpectRefused(QDialog& dialog, const QString& message) {
        EXPECT_EQ(prompter.Last().text, message);
        EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), m_field);
    }

    void Screenshot(QWidget& window, const char* name) {
        const QString dir = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window.grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
    }

    ScriptedPrompter prompter;
    AppContext context;
    QLineEdit* m_field = nullptr;
};

} // namespace

TEST_F(PictureDialogs, WidthRefusesWhatIsNotAPositiveNumber) {
    for (const char* text : {"0", "-5", "abc", "", "   "}) {
        SCOPED_TRACE(text);
        prompter.Clear();
        TMyBitmapWidth dialog(context);
        Open(dialog, "widthEdit");
        Type(&dialog, "widthEdit", QString::fromLatin1(text));
        Find<QPushButton>(&dialog, "okButton")->setFocus();
        Click(&dialog, "okButton");
        ASSERT_EQ(prompter.Messages().size(), 1u);
        ExpectRefused(dialog, kInvalidWidth);
        EXPECT_FALSE(dialog.Confirmed());
    }
    TMyBitmapWidth dialog(context);
    Open(dialog, "widthEdit");
    EXPECT_EQ(m_field->maxLength(), 4);
    Type(&dialog, "widthEdit", QStringLiteral(" 1"));
    Click(&dialog, "okButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Confirmed());
    EXPECT_EQ(dialog.Width(), 1);
    EXPECT_EQ(context.settings.PixelWidth, 640) << "the caller stores the width";
}

TEST_F(PictureDialogs, WidthTextsFollowTheMode) {
    struct Case {
        int mode;
        const char* caption;
        const char* label;
        const char* button;
    };
    const std::array<Case, 2> cases = {{
        {TMyBitmapWidth::kBitmapMode, "Bitmap", "Width of Bitmap", "Create &Bitmap"},
        {TMyBitmapWidth::kJPegMode, "JPeg", "Width of JPeg", "Create &JPeg"},
    }};
    for (const Case& c : cases) {
        TMyBitmapWidth dialog(context);
        dialog.SetMode(c.mode);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(Find<QLabel>(&dialog, "widthLabel")->text(), QString::fromLatin1(c.label));
        auto* ok = Find<QPushButton>(&dialog, "okButton");
        EXPECT_EQ(ok->text(), QString::fromLatin1(c.button));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(Find<QPushButton>(&dialog, "cancelButton")->text(), QStringLiteral("&Cancel"));
        Screenshot(dialog, c.mode == 1 ? "bitmap_width.png" : "jpeg_width.png");
    }
}

TEST_F(PictureDialogs, AskPictureWidthStoresOnlyAConfirmedValidWidth) {
    context.settings.PixelWidth = 800;
    OnNextModalOf<TMyBitmapWidth>([this](TMyBitmapWidth* dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "widthEdit")->text(), QStringLiteral("800"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("JPeg"));
        Type(dialog, "widthEdit", QStringLiteral("0"));
        Click(dialog, "okButton");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(context.settings.PixelWidth, 800);
        Type(dialog, "widthEdit", QStringLiteral("1200"));
        Click(dialog, "okButton");
    });
    EXPECT_TRUE(AskPictureWidth(context, TMyBitmapWidth::kJPegMode, nullptr));
    EXPECT_EQ(context.settings.PixelWidth, 1200);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Last().text, kInvalidWidth);

    OnNextModalOf<TMyBitmapWidth>([](TMyBitmapWidth* dialog) {
        Type(dialog, "widthEdit", QStringLiteral("-5"));
        Click(dialog, "okButton");
        Type(dialog, "widthEdit", QStringLiteral("300"));
        Click(dialog, "cancelButton");
    });
    EXPECT_FALSE(AskPictureWidth(context, TMyBitmapWidth::kBitmapMode, nullptr));
    EXPECT_EQ(context.settings.PixelWidth, 1200);
    EXPECT_EQ(prompter.Messages().size(), 2u);
}

TEST_F(PictureDialogs, QualityAcceptsOneToHundred) {
    struct Case {
        const char* text;
        int stored; // 0: refused
    };
    const std::array<Case, 6> cases = {{
        {"100", 100},
        {" 75 ", 75},
        {"1", 1},
        {"0", 0},
        {"101", 0},
        {"high", 0},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        prompter.Clear();
        context.settings.JPegCompressionQuality = 50;
        TTheJPegFactor dialog(context);
        Open(dialog, "qualityEdit");
        EXPECT_EQ(m_field->text(), QStringLiteral("50"));
        Type(&dialog, "qualityEdit", QString::fromLatin1(c.text));
        Find<QPushButton>(&dialog, "okButton")->setFocus();
        Click(&dialog, "okButton");
        if (c.stored) {
            EXPECT_TRUE(prompter.Messages().empty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(context.settings.JPegCompressionQuality, c.stored);
        } else {
            ExpectRefused(dialog, kInvalidFactor);
            EXPECT_EQ(context.settings.JPegCompressionQuality, 50);
        }
    }
}

TEST_F(PictureDialogs, QualityCancelKeepsTheSetting) {
    context.settings.JPegCompressionQuality = 65;
    TTheJPegFactor dialog(context);
    Open(dialog, "qualityEdit");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("JPEG Factor"));
    Screenshot(dialog, "jpeg_factor.png");
    Type(&dialog, "qualityEdit", QStringLiteral("0"));
    Click(&dialog, "okButton");
    Type(&dialog, "qualityEdit", QStringLiteral("90"));
    Click(&dialog, "cancelButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(context.settings.JPegCompressionQuality, 65);
}
