#pragma once

#include "ui/common/vorlane_dialog.h"

#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vorlane {

inline constexpr int kTipCount = 32;

// The text the tip window shows for tip number 1..kTipCount; other numbers give "".
QString TipText(int number);

// The tip of the day, shown at start-up while "Show Tips" is on and from the Help menu.
class TTipOfDay : public VorlaneDialog {
    Q_OBJECT
public:
    explicit TTipOfDay(AppContext& context, QWidget* parent = nullptr);

    int TipNumber() const { return m_number; }
    // Shows tip number (clamped to 1..kTipCount).
    void ShowTip(int number);

    void done(int result) override;

protected:
    void FormShow() override;

private:
    void NextTipClick();

    QLabel* m_picture;
    QLabel* m_tipLabel;
    QCheckBox* m_showTips;
    int m_number = 1;
};

} // namespace vorlane
