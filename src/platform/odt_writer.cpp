#include "platform/odt_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "files/atomic_write.h"
#include "files/file_system.h"
#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/zip_package.h"
#include "ui/bitmap_file.h"

namespace lun4::platform {
namespace {

using ui::FlowAlign;
using ui::FlowBlock;
using ui::FlowCell;
using ui::FlowStyle;

constexpr const char* kMimeType = "application/vnd.oasis.opendocument.text";
constexpr const char* kNamespaces[][2] = {
    {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
    {"draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
    {"fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
    {"xlink", "http://www.w3.org/1999/xlink"},
    {"svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
};
constexpr const char* kMetaNamespaces[][2] = {
    {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
    {"dc", "http://purl.org/dc/elements/1.1/"},
};
constexpr const char* kManifestNamespace = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

// The report's font. A system without it puts its stand-in in its place (Liberation Sans,
// made to the same measures), as the program's own pages do.
constexpr const char* kFamily = "Arial";
// A4 less 2 cm margins on either side leaves 17 cm of text width.
constexpr double kTextWidthCm = 17.0;
constexpr const char* kLabelCellStyle = "LUN4_Label";
constexpr const char* kValueCellStyle = "LUN4_Value";
// Pictures are laid out at the screen's 96 pixels to the inch.
constexpr double kCmPerPixel = 2.54 / 96.0;

std::string cm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3fcm", value);
    return text;
}

// An XML document written start to end: elements opened and closed in order, attributes and
// text escaped; characters XML cannot carry (control characters) are left out.
class Xml {
  public:
    // A whole document starts with the XML declaration; a fragment of one without.
    explicit Xml(bool document = true) {
        if (document) out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    }

    Xml& open(std::string_view name) {
        endStartTag();
        out_ += '<';
        out_ += name;
        open_.emplace_back(name);
        inStartTag_ = true;
        return *this;
    }
    Xml& attribute(std::string_view name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        escape(value, true);
        out_ += '"';
        return *this;
    }
    Xml& text(std::string_view utf8) {
        endStartTag();
        escape(utf8, false);
        return *this;
    }
    Xml& close() {
        if (inStartTag_) {
            out_ += "/>";
            inStartTag_ = false;
        } else {
            out_ += "</" + open_.back() + ">";
        }
        open_.pop_back();
        return *this;
    }
    // An element with nothing in it.
    Xml& empty(std::string_view name) { return open(name); }
    Xml& element(std::string_view name, std::string_view utf8) {
        return open(name).text(utf8).close();
    }
    // Markup written elsewhere, put in as it is.
    Xml& markup(std::string_view written) {
        endStartTag();
        out_ += written;
        return *this;
    }
    std::string finish() {
        while (!open_.empty()) close();
        return out_;
    }

  private:
    void endStartTag() {
        if (inStartTag_) out_ += '>';
        inStartTag_ = false;
    }
    void escape(std::string_view s, bool inAttribute) {
        for (char c : s) {
            const auto u = static_cast<unsigned char>(c);
            switch (c) {
                case '&':
                    out_ += "&amp;";
                    break;
                case '<':
                    out_ += "&lt;";
                    break;
                case '>':
                    out_ += "&gt;";
                    break;
                case '"':
                    out_ += inAttribute ? "&quot;" : "\"";
                    break;
                default:
                    if (u >= 0x20 || c == '\t' || c == '\n' || c == '\r') out_ += c;
                    break;
            }
        }
    }

    std::string out_;
    std::vector<std::string> open_;
    bool inStartTag_ = false;
};

// A namespace's prefix declared on the element open.
Xml& declare(Xml& xml, const char* const (&names)[2]) {
    return xml.attribute(std::string("xmlns:") + names[0], names[1]);
}

// How a paragraph looks; the automatic styles of content.xml, one for each look used.
struct ParagraphLook {
    FlowStyle style = FlowStyle::Body;
    FlowAlign align = FlowAlign::Left;
    bool newPage = false;
    bool cell = false;  // a table cell's paragraph: 10 pt, no space after
    bool bold = false;
    auto key() const { return std::tie(style, align, newPage, cell, bold); }
    bool operator<(const ParagraphLook& o) const { return key() < o.key(); }
};

const char* alignment(FlowAlign align) {
    switch (align) {
        case FlowAlign::Center:
            return "center";
        case FlowAlign::Right:
            return "end";
        case FlowAlign::Left:
            break;
    }
    return "start";
}

void putBig32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void pngChunk(std::string& out, const char* type, const std::string& data) {
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    putBig32(out, static_cast<std::uint32_t>(
                      crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()))));
}

// The picture as a PNG file (8-bit RGB, deflated with zlib).
std::string encodePng(const ui::Bitmap& bitmap) {
    std::string header;
    putBig32(header, static_cast<std::uint32_t>(bitmap.width));
    putBig32(header, static_cast<std::uint32_t>(bitmap.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace

    // Each row starts with its filter byte (none).
    std::string raw;
    raw.reserve(size_t(bitmap.height) * (1 + size_t(bitmap.width) * 3));
    for (int y = 0; y < bitmap.height; ++y) {
        raw += '\0';
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            raw += static_cast<char>((p >> 16) & 0xFF);
            raw += static_cast<char>((p >> 8) & 0xFF);
            raw += static_cast<char>(p & 0xFF);
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    packed.resize(packedSize);

    std::string png("\x89PNG\r\n\x1A\n", 8);
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", packed);
    pngChunk(png, "IEND", {});
    return png;
}

std::string headingStyleName(int level) {
    return "Heading_20_" + std::to_string(level);
}

class ContentWriter {
  public:
    explicit ContentWriter(DataPaths& data) : data_(data) {}

    void add(const FlowBlock& block) {
        switch (block.kind) {
            case FlowBlock::Kind::Paragraph:
                paragraph(block);
                break;
            case FlowBlock::Kind::Table:
                table(block);
                break;
            case FlowBlock::Kind::Picture:
                picture(block);
                break;
        }
    }

    // content.xml: the automatic styles the body used, then the body.
    std::string content() {
        Xml xml;
        xml.open("office:document-content");
        for (const auto& names : kNamespaces) declare(xml, names);
        xml.attribute("office:version", "1.2");
        xml.open("office:automatic-styles");
        for (const auto& [look, name] : paragraphStyles_) paragraphStyle(xml, look, name);
        for (const TableStyle& t : tableStyles_) tableStyle(xml, t);
        cellStyle(xml, kLabelCellStyle, true);
        cellStyle(xml, kValueCellStyle, false);
        xml.close();
        xml.open("office:body").open("office:text").markup(body_);
        return xml.finish();
    }

    const std::vector<ZipEntry>& pictures() const { return pictures_; }

  private:
    struct TableStyle {
        std::string name;
        bool newPage = false;
        std::vector<int> columnPercents;
    };

    std::string styleFor(const ParagraphLook& look) {
        auto [it, added] = paragraphStyles_.emplace(look, std::string());
        if (added) it->second = "P" + std::to_string(paragraphStyles_.size());
        return it->second;
    }

    static void paragraphStyle(Xml& xml, const ParagraphLook& look, const std::string& name) {
        xml.open("style:style")
            .attribute("style:name", name)
            .attribute("style:family", "paragraph");
        if (const int level = ui::headingLevel(look.style); level > 0) {
            xml.attribute("style:parent-style-name", headingStyleName(level));
        }
        xml.empty("style:paragraph-properties").attribute("fo:text-align", alignment(look.align));
        if (look.newPage) xml.attribute("fo:break-before", "page");
        if (look.cell) xml.attribute("fo:margin-bottom", "0cm");
        if (look.style == FlowStyle::Caption) xml.attribute("fo:margin-bottom", "0.56cm");
        if (look.style == FlowStyle::Title) {
            xml.attribute("fo:margin-top", "0.85cm").attribute("fo:margin-bottom", "0.85cm");
        }
        xml.close();
        const bool bold =
            look.bold || look.style == FlowStyle::Emphasis || look.style == FlowStyle::Title;
        const char* size = look.cell                          ? "10pt"
                           : look.style == FlowStyle::Caption ? "9pt"
                           : look.style == FlowStyle::Title   ? "13pt"
                                                              : nullptr;
        if (bold || size) {
            xml.empty("style:text-properties");
            if (bold) xml.attribute("fo:font-weight", "bold");
            if (size) xml.attribute("fo:font-size", size);
            xml.close();
        }
        xml.close();
    }

    static void tableStyle(Xml& xml, const TableStyle& t) {
        xml.open("style:style").attribute("style:name", t.name).attribute("style:family", "table");
        xml.empty("style:table-properties")
            .attribute("style:width", cm(kTextWidthCm))
            .attribute("table:align", "left");
        if (t.newPage) xml.attribute("fo:break-before", "page");
        xml.close().close();
        for (size_t c = 0; c < t.columnPercents.size(); ++c) {
            xml.open("style:style")
                .attribute("style:name", t.name + "." + std::to_string(c + 1))
                .attribute("style:family", "table-column");
            xml.empty("style:table-column-properties")
                .attribute("style:column-width", cm(kTextWidthCm * t.columnPercents[c] / 100.0))
                .close();
            xml.close();
        }
    }

    static void cellStyle(Xml& xml, const char* name, bool label) {
        xml.open("style:style").attribute("style:name", name).attribute("style:family",
                                                                        "table-cell");
        xml.empty("style:table-cell-properties");
        if (label) xml.attribute("fo:background-color", "#d9d9d9");
        xml.attribute("fo:border", "0.5pt solid #000000")
            .attribute("fo:padding", "0.1cm")
            .attribute("style:vertical-align", label ? "middle" : "top")
            .close();
        xml.close();
    }

    // Text as a word processor keeps it: runs of blanks and tabs written out, so that they
    // are not collapsed into one blank.
    static void runs(Xml& xml, std::string_view utf8) {
        size_t i = 0;
        bool afterBlank = true;  // at the start, a blank would be dropped
        while (i < utf8.size()) {
            const char c = utf8[i];
            if (c == '\t') {
                xml.empty("text:tab").close();
                afterBlank = false;
                ++i;
            } else if (c == ' ') {
                size_t n = 0;
                while (i + n < utf8.size() && utf8[i + n] == ' ') ++n;
                size_t literal = afterBlank ? 0 : 1;
                if (literal) xml.text(" ");
                if (n > literal) {
                    xml.empty("text:s");
                    if (n - literal > 1) xml.attribute("text:c", std::to_string(n - literal));
                    xml.close();
                }
                afterBlank = false;
                i += n;
            } else {
                const size_t next = utf8.find_first_of(" \t", i);
                const size_t end = next == std::string_view::npos ? utf8.size() : next;
                xml.text(utf8.substr(i, end - i));
                afterBlank = false;
                i = end;
            }
        }
    }

    // The body is written in fragments of its own, so that the styles it uses are known
    // before they are written.
    void append(Xml& fragment) { body_ += fragment.finish(); }

    void paragraph(const FlowBlock& block) {
        Xml xml(false);
        const int level = ui::headingLevel(block.style);
        if (level > 0) {
            // A heading keeps its outline style's name, unless it looks different.
            const bool plain = block.align == FlowAlign::Left && !block.newPage;
            xml.open("text:h")
                .attribute("text:style-name",
                           plain ? headingStyleName(level)
                                 : styleFor({block.style, block.align, block.newPage}))
                .attribute("text:outline-level", std::to_string(level));
        } else {
            xml.open("text:p").attribute("text:style-name",
                                         styleFor({block.style, block.align, block.newPage}));
        }
        runs(xml, cp1250::toUtf8(block.text));
        append(xml);
    }

    void picture(const FlowBlock& block) {
        const auto path = data_.resolve(block.text);
        // A data folder without the picture gives a document without it.
        const auto bitmap = path ? ui::readBitmap(*path) : std::nullopt;
        if (!bitmap) return;
        const std::string name = "Pictures/" + std::to_string(pictures_.size() + 1) + ".png";
        pictures_.push_back({name, encodePng(*bitmap), true});
        Xml xml(false);
        xml.open("text:p").attribute("text:style-name",
                                     styleFor({block.style, block.align, block.newPage}));
        xml.open("draw:frame")
            .attribute("draw:name", "Obraz" + std::to_string(pictures_.size()))
            .attribute("text:anchor-type", "as-char")
            .attribute("svg:width", cm(bitmap->width * kCmPerPixel))
            .attribute("svg:height", cm(bitmap->height * kCmPerPixel));
        xml.empty("draw:image")
            .attribute("xlink:href", name)
            .attribute("xlink:type", "simple")
            .attribute("xlink:show", "embed")
            .attribute("xlink:actuate", "onLoad");
        append(xml);
    }

    void table(const FlowBlock& block) {
        const int columns = int(block.columnPercents.size());
        if (columns == 0 || block.rows.empty()) return;
        TableStyle style{"Tabela" + std::to_string(tableStyles_.size() + 1), block.newPage,
                         block.columnPercents};
        Xml xml(false);
        xml.open("table:table")
            .attribute("table:name", style.name)
            .attribute("table:style-name", style.name);
        for (int c = 1; c <= columns; ++c) {
            xml.empty("table:table-column")
                .attribute("table:style-name", style.name + "." + std::to_string(c))
                .close();
        }
        for (const auto& row : block.rows) {
            xml.open("table:table-row");
            int column = 0;
            for (const FlowCell& cell : row) {
                if (column >= columns) break;
                const int span = std::clamp(cell.columnSpan, 1, columns - column);
                this->cell(xml, cell, span);
                // A cell across columns is followed by the cells it covers.
                for (int i = 1; i < span; ++i) xml.empty("table:covered-table-cell").close();
                column += span;
            }
            // A short row is filled up, so that the table stays rectangular.
            for (; column < columns; ++column) this->cell(xml, FlowCell{}, 1);
            xml.close();
        }
        tableStyles_.push_back(std::move(style));
        append(xml);
    }

    void cell(Xml& xml, const FlowCell& cell, int span) {
        xml.open("table:table-cell")
            .attribute("table:style-name", cell.label ? kLabelCellStyle : kValueCellStyle)
            .attribute("office:value-type", "string");
        if (span > 1) xml.attribute("table:number-columns-spanned", std::to_string(span));
        // One paragraph, its lines kept apart by line breaks; an empty cell has nothing bold.
        const bool bold = (cell.bold || cell.label) && !cell.lines.empty();
        xml.open("text:p").attribute(
            "text:style-name", styleFor({FlowStyle::Body, cell.align, false, true, bold}));
        for (size_t i = 0; i < cell.lines.size(); ++i) {
            if (i > 0) xml.empty("text:line-break").close();
            runs(xml, cp1250::toUtf8(cell.lines[i]));
        }
        xml.close().close();
    }

    DataPaths& data_;
    std::map<ParagraphLook, std::string> paragraphStyles_;
    std::vector<TableStyle> tableStyles_;
    std::vector<ZipEntry> pictures_;
    std::string body_;
};

std::string stylesXml() {
    Xml xml;
    xml.open("office:document-styles");
    for (const auto& names : kNamespaces) declare(xml, names);
    xml.attribute("office:version", "1.2");

    xml.open("office:font-face-decls");
    xml.empty("style:font-face")
        .attribute("style:name", kFamily)
        .attribute("svg:font-family", kFamily)
        .attribute("style:font-family-generic", "swiss")
        .attribute("style:font-pitch", "variable")
        .close();
    xml.close();

    xml.open("office:styles");
    xml.open("style:default-style").attribute("style:family", "paragraph");
    xml.empty("style:paragraph-properties")
        .attribute("fo:margin-top", "0cm")
        .attribute("fo:margin-bottom", "0.2cm")
        .close();
    xml.empty("style:text-properties")
        .attribute("style:font-name", kFamily)
        .attribute("fo:font-family", kFamily)
        .attribute("fo:font-size", "11pt")
        .attribute("fo:language", "pl")
        .attribute("fo:country", "PL")
        .close();
    xml.close();

    xml.empty("style:style")
        .attribute("style:name", "Standard")
        .attribute("style:family", "paragraph")
        .attribute("style:class", "text")
        .close();
    xml.open("style:style")
        .attribute("style:name", "Heading")
        .attribute("style:family", "paragraph")
        .attribute("style:parent-style-name", "Standard")
        .attribute("style:next-style-name", "Standard")
        .attribute("style:class", "text");
    xml.empty("style:paragraph-properties")
        .attribute("fo:margin-top", "0.42cm")
        .attribute("fo:margin-bottom", "0.21cm")
        .attribute("fo:keep-with-next", "always")
        .close();
    xml.empty("style:text-properties").attribute("fo:font-weight", "bold").close();
    xml.close();
    // The report's headings: a level-1 heading as the report's emphasis, the section and
    // area titles underlined as the report's title font.
    const char* sizes[3] = {"14pt", "13pt", "12pt"};
    for (int level = 1; level <= 3; ++level) {
        xml.open("style:style")
            .attribute("style:name", headingStyleName(level))
            .attribute("style:display-name", "Heading " + std::to_string(level))
            .attribute("style:family", "paragraph")
            .attribute("style:parent-style-name", "Heading")
            .attribute("style:default-outline-level", std::to_string(level))
            .attribute("style:next-style-name", "Standard")
            .attribute("style:class", "text");
        xml.empty("style:text-properties")
            .attribute("fo:font-size", sizes[level - 1])
            .attribute("fo:font-weight", "bold");
        if (level > 1) {
            xml.attribute("style:text-underline-style", "solid")
                .attribute("style:text-underline-width", "auto")
                .attribute("style:text-underline-color", "font-color");
        }
        xml.close().close();
    }
    // Headings are not numbered.
    xml.open("text:outline-style").attribute("style:name", "Outline");
    for (int level = 1; level <= 10; ++level) {
        xml.empty("text:outline-level-style")
            .attribute("text:level", std::to_string(level))
            .attribute("style:num-format", "")
            .close();
    }
    xml.close();
    xml.close();  // styles

    xml.open("office:automatic-styles");
    xml.open("style:page-layout").attribute("style:name", "A4");
    xml.empty("style:page-layout-properties")
        .attribute("fo:page-width", "21cm")
        .attribute("fo:page-height", "29.7cm")
        .attribute("style:print-orientation", "portrait");
    for (const char* side : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left",
                             "fo:margin-right"}) {
        xml.attribute(side, "2cm");
    }
    xml.close().close();
    xml.close();

    xml.open("office:master-styles");
    xml.empty("style:master-page")
        .attribute("style:name", "Standard")
        .attribute("style:page-layout-name", "A4")
        .close();
    xml.close();
    return xml.finish();
}

std::string metaXml(const std::string& titleUtf8) {
    Xml xml;
    xml.open("office:document-meta");
    for (const auto& names : kMetaNamespaces) declare(xml, names);
    xml.attribute("office:version", "1.2");
    xml.open("office:meta");
    xml.element("meta:generator", "LUN4_TORVA");
    xml.element("dc:title", titleUtf8);
    xml.element("dc:language", "pl-PL");
    return xml.finish();
}

std::string manifestXml(const std::vector<ZipEntry>& entries) {
    Xml xml;
    xml.open("manifest:manifest")
        .attribute("xmlns:manifest", kManifestNamespace)
        .attribute("manifest:version", "1.2");
    xml.empty("manifest:file-entry")
        .attribute("manifest:full-path", "/")
        .attribute("manifest:version", "1.2")
        .attribute("manifest:media-type", kMimeType)
        .close();
    for (const ZipEntry& e : entries) {
        const bool png = e.name.ends_with(".png");
        xml.empty("manifest:file-entry")
            .attribute("manifest:full-path", e.name)
            .attribute("manifest:media-type", png ? "image/png" : "text/xml")
            .close();
    }
    return xml.finish();
}

}  // namespace

std::string odtPackage(const ui::FlowDocument& document, DataPaths& data) {
    ContentWriter writer(data);
    for (const FlowBlock& block : document.blocks) writer.add(block);

    std::vector<ZipEntry> package;
    // First and stored, as readers sniff it.
    package.push_back({"mimetype", kMimeType, true});
    package.push_back({"content.xml", writer.content()});
    package.push_back({"styles.xml", stylesXml()});
    package.push_back({"meta.xml", metaXml(cp1250::toUtf8(document.title))});
    for (const ZipEntry& picture : writer.pictures()) package.push_back(picture);
    const std::vector<ZipEntry> listed(package.begin() + 1, package.end());
    package.push_back({"META-INF/manifest.xml", manifestXml(listed)});
    return writeZip(package);
}

bool writeOdt(const ui::FlowDocument& document, const std::filesystem::path& path, DataPaths& data,
              FileSystem& fileSystem, std::string& error) {
    const std::string bytes = odtPackage(document, data);
    if (bytes.empty()) {
        error = "nie można utworzyć dokumentu " + pathToUtf8(path);
        return false;
    }
    return writeFileAtomically(path, bytes, fileSystem, &error);
}

}  // namespace lun4::platform
