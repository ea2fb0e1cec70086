#pragma once

#include "ui/common/vorlane_dialog.h"

class QLabel;

namespace vorlane {

// The product name and version, opened from the Help menu.
class TAboutBox : public VorlaneDialog {
    Q_OBJECT
public:
    explicit TAboutBox(AppContext& context, QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    QLabel* m_picture;
};

} // namespace vorlane
