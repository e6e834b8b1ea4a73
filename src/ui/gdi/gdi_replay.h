#pragma once
// Printing on GDI: recorded calls drawn again onto a device context at its own resolution (a
// printer's page, an enhanced metafile), each rectangle of a recorded page scaled onto its
// place on the sheet. Text stays text and lines stay lines.

#include <windows.h>

#include <vector>

#include "ui/recording_surface.h"

namespace lun4::ui {

// Draws the calls inside `source` (frame pixels) scaled onto `target` (the DC's own
// coordinates) and clipped to it: what a stretched copy of the picture would show there.
// Copies and stretches from another recording draw that recording's calls, moved or scaled
// onto their target and clipped to it; pictures are stretched to the size they take there.
void replayOnto(HDC dc, const std::vector<DrawCall>& calls, Rect source, Rect target);

}  // namespace lun4::ui
