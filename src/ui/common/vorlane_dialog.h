#pragma once

#include <QDialog>

namespace vorlane {

struct AppContext;
class Prompter;

// The base of the program's modal windows: built at its design size in design pixels, and
// on showing scaled by the screen factor, centred on the screen and given the program fonts.
class VorlaneDialog : public QDialog {
    Q_OBJECT
public:
    VorlaneDialog(AppContext& context, int designWidth, int designHeight,
                  QWidget* parent = nullptr);

protected:
    // Runs after the window has been scaled, centred and given its fonts, as it shows.
    virtual void FormShow() {}
    void showEvent(QShowEvent* event) override;

    AppContext& Context() { return m_context; }
    Prompter& Prompts();

private:
    AppContext& m_context;
    bool m_shown = false;
};

} // namespace vorlane
