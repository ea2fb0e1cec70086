#include "ui/common/vorlane_dialog.h"

#include "ui/common/app_context.h"
#include "ui/common/window_helpers.h"

namespace vorlane {

VorlaneDialog::VorlaneDialog(AppContext& context, int designWidth, int designHeight,
                             QWidget* parent)
    : QDialog(parent), m_context(context) {
    setModal(true);
    setFont(DesignFont());
    setFixedSize(designWidth, designHeight);
    // A dialog of fixed size: a title and a close button, nothing to maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

Prompter& VorlaneDialog::Prompts() {
    return *m_context.prompter;
}

void VorlaneDialog::showEvent(QShowEvent* event) {
    if (!m_shown) {
        m_shown = true;
        ScaleAndCentre(this, m_context.factor, m_context.screen);
        ApplyFonts(this, m_context.fonts);
        FormShow();
    }
    QDialog::showEvent(event);
}

} // namespace vorlane
