#pragma once
// The shared fonts on GDI: Arial and Tahoma through CreateFontW with the East European
// character set, each at the cell height (ascent plus descent) the screens were laid out with.
// Where Tahoma is missing (Wine), DejaVu Sans stands in, as on Linux.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/fonts.h"

namespace lun4::ui {

// The font's description, for a control that needs the same font at another height.
LOGFONTW gdiLogFont(FontId id);
// Created once and kept for the program's life.
HFONT gdiFont(FontId id);
// Width in pixels of one line of text, as GDI measures it.
int gdiTextWidth(std::string_view cp1250, FontId id);

// cp1250 bytes -> UTF-16, at the edge between the record and the system.
std::wstring toWide(std::string_view cp1250);

}  // namespace lun4::ui
