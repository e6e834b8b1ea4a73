#pragma once
// The shared fonts on Qt: Liberation Sans stands in for Arial and DejaVu Sans for Tahoma.
// Each font is sized so that its ascent plus descent equals the cell height the screens were
// laid out with.

#include <QFont>
#include <QString>
#include <string_view>

#include "ui/fonts.h"

namespace lun4::ui {

// Needs a QGuiApplication. `scale` enlarges the font for controls shown on a scaled frame.
const QFont& qtFont(FontId id);
QFont qtFontScaled(FontId id, double scale);

// cp1250 bytes <-> QString, at the edge between the record and Qt.
QString toQString(std::string_view cp1250);

}  // namespace lun4::ui
