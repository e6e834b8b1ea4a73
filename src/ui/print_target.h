#pragma once
// Where printed documents go: the system's printer (after its print dialog) or a PDF file.
// A document page is recorded through the drawing interface (a RecordingSurface) and the
// target draws rectangles of the recording onto its pages at its own resolution, so text
// stays text and lines stay sharp.

#include <filesystem>
#include <string>
#include <string_view>

#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/recording_surface.h"

namespace lun4::ui {

// The printable area of a page in device pixels: the width H and height V every printer
// rectangle of a document is a share of.
struct PageSize {
    int width = 0;
    int height = 0;
    bool operator==(const PageSize&) const = default;
};

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;

    // Asks where to print (the print dialog, when the target has one) and opens the
    // document with its first page. `documentName` (UTF-8) names the document in the
    // printer's queue and is the title of a PDF file. False when the user cancels or the
    // output cannot be opened; nothing is printed then and end() must not be called.
    virtual bool begin(std::string_view documentName, bool landscape) = 0;
    // The file the next dialog proposes for printing to a file (a PDF), where it has one.
    virtual void proposeFile(const std::filesystem::path& /*file*/) {}
    // The file the last document was printed to, or an empty path when it went to a printer.
    virtual std::filesystem::path printedFile() const { return {}; }
    virtual PageSize printableSize() const = 0;
    virtual void newPage() = 0;
    // Draws the calls `page` recorded inside `source` (frame pixels) onto `target` (device
    // pixels of the printable area), scaled to fill it and clipped to it, as a stretched copy
    // of the page picture would, but at the device's resolution.
    virtual void place(const RecordingSurface& page, Rect source, Rect target) = 0;
    // Ends the document. False when it could not be written; error() then says why (UTF-8,
    // in Polish).
    virtual bool end() = 0;
    virtual std::string error() const { return {}; }

    // Width of a line of text as the screen measures it, so that a page laid out for print
    // breaks its lines where the preview does.
    virtual int textWidth(std::string_view cp1250, FontId font) const = 0;
};

}  // namespace lun4::ui
