#pragma once

#include "ui/common/vorlane_dialog.h"

namespace vorlane {

// The user manual, in the program directory.
inline constexpr const char* kUserManualFile = "VRLAN.pdf";

// The notice shown before the user manual is opened with the desktop's document viewer.
class TUserManual : public VorlaneDialog {
    Q_OBJECT
public:
    explicit TUserManual(AppContext& context, QWidget* parent = nullptr);

private:
    void OkButtonClick();
};

} // namespace vorlane
