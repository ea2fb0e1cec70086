#pragma once

#include "ui/common/vorlane_dialog.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlane {

// Asks for the width in pixels of the page picture of a bitmap, JPEG or HTML export.
class TMyBitmapWidth : public VorlaneDialog {
    Q_OBJECT
public:
    static constexpr int kBitmapMode = 1;
    static constexpr int kJPegMode = 2;

    explicit TMyBitmapWidth(AppContext& context, QWidget* parent = nullptr);

    // kBitmapMode or kJPegMode; names the caption, the label and the button.
    void SetMode(int mode);
    void SetWidthText(const QString& text);
    bool Confirmed() const { return m_confirmed; }
    // The width entered, valid when confirmed.
    int Width() const { return m_width; }

protected:
    void FormShow() override;

private:
    void ShowModeTexts();
    void OkButtonClick();

    QLabel* m_widthLabel;
    QLineEdit* m_widthEdit;
    QPushButton* m_okButton;
    int m_mode = kBitmapMode;
    int m_width = 0;
    bool m_confirmed = false;
};

// How every picture export asks for its width: the dialog in that mode, preset with the
// "Pixel Width" setting. When confirmed, the width becomes the setting and the result is true;
// the export goes on only then.
bool AskPictureWidth(AppContext& context, int mode, QWidget* parent);

} // namespace vorlane
