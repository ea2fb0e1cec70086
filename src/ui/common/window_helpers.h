#pragma once

#include "core/settings.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QWidget;

namespace vorlane {

// The design font of every window before the user's fonts are applied (Arial resolves to
// its metric twin Liberation Sans).
inline constexpr const char* kDesignFontFamily = "Arial";
inline constexpr double kDesignFontPointSize = 9.0;
QFont DesignFont(bool bold = false);

// One of the three program-wide fonts as the controls use it.
struct ProgramFont {
    QFont Font; // face and style; the size is not applied
    QColor Color;
};

// The label, edit and button fonts.
struct ProgramFonts {
    ProgramFont Label;
    ProgramFont Edit;
    ProgramFont Button;
};

ProgramFont FontFromSetting(const FontSetting& setting);
FontSetting SettingFromFont(const ProgramFont& font);
ProgramFonts FontsFromSettings(const Settings& settings);
void StoreFonts(const ProgramFonts& fonts, Settings& settings);

// Gives every control of the window the face, style and (where the control shows it) the
// colour of the program font for its kind; font sizes stay as they are.
void ApplyFonts(QWidget* window, const ProgramFonts& fonts);

// The ratio windows are scaled by: the factor in whole hundredths.
double ScaleRatio(double factor);

// The design geometry of a window and its controls, taken once and applied scaled as often
// as needed; scaling always starts again from the design, so errors never accumulate.
class DesignGeometry {
public:
    // Takes the window's client size and every child control's position, size and font
    // size. At most maxEntries controls are taken; the result says whether all fitted.
    bool Store(QWidget* window, int maxEntries = 100000);
    // Sets every stored control and the window's client size to design × ratio.
    void Apply(double ratio) const;
    QSize DesignClientSize() const { return m_clientSize; }
    int Count() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        QPointer<QWidget> Widget;
        QRect Geometry;
        bool HasGeometry = true;
        double PointSize = -1;
        int PixelSize = -1;
        QSize IconSize; // of a button with a picture
    };
    QPointer<QWidget> m_window;
    QSize m_clientSize;
    std::vector<Entry> m_entries;
};

// Scales a freshly built window by the factor and centres it on a screen of that size.
void ScaleAndCentre(QWidget* window, double factor, QSize screen);

// Left/top of a window of that size centred on the screen, div truncating toward zero.
QPoint CentredPosition(QSize window, QSize screen);

} // namespace vorlane
