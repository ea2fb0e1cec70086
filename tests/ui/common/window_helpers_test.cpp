#include "ui/common/app_context.h"
#include "ui/common/vorlane_dialog.h"
#include "ui/common/window_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vorlane;

namespace {

struct Probe : VorlaneDialog {
    explicit Probe(AppContext& c) : VorlaneDialog(c, 400, 300) {
        label = new QLabel(QStringLiteral("Label"), this);
        label->setGeometry(8, 8, 100, 16);
        edit = new QLineEdit(this);
        edit->setGeometry(8, 40, 200, 21);
        masked = new QLineEdit(this);
        masked->setInputMask(QStringLiteral("9999"));
        button = new QPushButton(QStringLiteral("&Ok"), this);
        button->setGeometry(300, 260, 75, 25);
    }
    QLabel* label;
    QLineEdit* edit;
    QLineEdit* masked;
    QPushButton* button;
};

} // namespace

TEST(WindowHelpers, ScaleAndCentreAtFactor125) {
    AppContext context;
    context.factor = 1.25;
    context.screen = QSize(1024, 768);
    Probe probe(context);
    probe.show();
    EXPECT_EQ(probe.size(), QSize(500, 375));
    EXPECT_EQ(probe.pos(), QPoint((1024 - 500) / 2, (768 - 375) / 2));
    EXPECT_EQ(probe.button->geometry(), QRect(375, 325, 94, 31));
    EXPECT_NEAR(probe.label->font().pointSizeF(), kDesignFontPointSize * 1.25, 0.01);
}

TEST(WindowHelpers, RatioIsTheFactorInWholeHundredths) {
    EXPECT_DOUBLE_EQ(ScaleRatio(1.6), 1.6);
    EXPECT_DOUBLE_EQ(ScaleRatio(1.259), 1.25);
    EXPECT_DOUBLE_EQ(ScaleRatio(1.0), 1.0);
}

TEST(WindowHelpers, ApplyFontsChangesFaceStyleAndColourButNotSize) {
    AppContext context;
    context.screen = QSize(800, 600);
    FontSetting label{"Courier New", true, false, 0x0000FF};
    FontSetting edit{"Times New Roman", false, true, 0x00FF00};
    FontSetting button{"Liberation Serif", true, true, 0xFF0000};
    context.fonts.Label = FontFromSetting(label);
    context.fonts.Edit = FontFromSetting(edit);
    context.fonts.Button = FontFromSetting(button);
    Probe probe(context);
    probe.show();

    EXPECT_EQ(probe.label->font().family(), QStringLiteral("Courier New"));
    EXPECT_TRUE(probe.label->font().bold());
    EXPECT_NEAR(probe.label->font().pointSizeF(), kDesignFontPointSize, 0.01);
    EXPECT_EQ(probe.label->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    EXPECT_EQ(probe.edit->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(probe.edit->font().italic());
    EXPECT_EQ(probe.edit->palette().color(QPalette::Text), QColor(0, 255, 0));
    // A masked field takes the face and style of the edit font, not its colour.
    EXPECT_EQ(probe.masked->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_NE(probe.masked->palette().color(QPalette::Text), QColor(0, 255, 0));

    EXPECT_EQ(probe.button->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_NE(probe.button->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
}

TEST(WindowHelpers, FontSettingRoundTrip) {
    const FontSetting setting{"Arial", true, true, 0x123456};
    EXPECT_EQ(SettingFromFont(FontFromSetting(setting)), setting);
    // A system colour leaves the control's own colour.
    EXPECT_FALSE(FontFromSetting(FontSetting{"Arial", false, false, -16777208}).Color.isValid());
}
