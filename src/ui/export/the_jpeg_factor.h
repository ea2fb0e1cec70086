#pragma once

#include "ui/common/vorlane_dialog.h"

class QLineEdit;

namespace vorlane {

// Sets the "JPeg Compression Quality" every JPEG of the program is written with.
class TTheJPegFactor : public VorlaneDialog {
    Q_OBJECT
public:
    explicit TTheJPegFactor(AppContext& context, QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void OkButtonClick();

    QLineEdit* m_qualityEdit;
};

} // namespace vorlane
