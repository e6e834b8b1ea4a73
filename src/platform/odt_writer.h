#pragma once
// Editable documents as OpenDocument text (".odt"), which word processors open for editing.
//
// The package is written directly: content.xml (paragraphs, outline headings with heading
// styles so that the outline and a table of contents work, tables with grey label cells and
// the cells a wide cell covers, pictures), styles.xml (the A4 page, its margins, the report's
// font Arial, for which a system without it puts its stand-in, Liberation Sans), meta.xml and
// the manifest; texts escaped and in UTF-8, packed with zlib. Pictures the document names are
// read from the data folder and put in as PNG. The same bytes on every platform.

#include <filesystem>
#include <string>

#include "ui/flow_document.h"

namespace lun4 {
class FileSystem;
}

namespace lun4::platform {

class DataPaths;

// The bytes of the ".odt" file.
std::string odtPackage(const ui::FlowDocument& document, DataPaths& data);

// Writes the package at `path` in one step (a temporary file beside it, flushed, renamed);
// false with `error` (UTF-8) saying why, and no file left behind.
bool writeOdt(const ui::FlowDocument& document, const std::filesystem::path& path, DataPaths& data,
              FileSystem& fileSystem, std::string& error);

}  // namespace lun4::platform
