#pragma once

#include "render/report_canvas.h"

#include <QFont>
#include <QString>

#include <string_view>

namespace vorlane {

// The QFont of a page font at a point size, resolved through fontconfig: a face that is not
// installed falls back to the default sans face (Arial to its metric twin Liberation Sans).
// Hinting is off, so a text is as wide on the screen as on the reference device.
QFont PageFont(const FontSpec& font, double pointSize);

// Windows-1252 bytes of a record as text.
QString PageText(std::string_view cp1252);

} // namespace vorlane
