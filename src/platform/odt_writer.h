#pragma once
// Editable documents as OpenDocument text (".odt"), which word processors open for editing.
//
// The text, its formats and the tables are written by Qt's own document writer. Its
// package lacks what a word processor needs to treat the file as a document of ours, so the
// package is completed afterwards: headings become outline headings with heading styles
// (the outline and a table of contents work), grey label cells keep their grey, every table
// cell that spans columns gets the covered cells after it, a line break within a cell is a
// plain line break, and styles name the A4 page, its margins and the report's font (Arial;
// where it is missing the system's stand-in, Liberation Sans, takes its place). Pictures the
// document names are read from the data folder.

#include <QByteArray>
#include <filesystem>
#include <string>

#include "ui/flow_document.h"

namespace lun4 {
class FileSystem;
}

namespace lun4::platform {

class DataPaths;

// The bytes of the ".odt" file.
QByteArray odtPackage(const ui::FlowDocument& document, DataPaths& data);

// Writes the package at `path` in one step (a temporary file beside it, flushed, renamed);
// false with `error` (UTF-8) saying why, and no file left behind.
bool writeOdt(const ui::FlowDocument& document, const std::filesystem::path& path, DataPaths& data,
              FileSystem& fileSystem, std::string& error);

}  // namespace lun4::platform
