#include "platform/odt_writer.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <optional>
#include <vector>

#include "files/atomic_write.h"
#include "platform/data_paths.h"
#include "platform/zip_package.h"
#include "ui/qt/qt_fonts.h"

namespace lun4::platform {
namespace {

using ui::FlowAlign;
using ui::FlowBlock;
using ui::FlowStyle;

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kFo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kDraw = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kXlink = QStringLiteral("http://www.w3.org/1999/xlink");
const QString kSvg = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
const QString kMeta = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString kDc = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString kManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kMimeType = QStringLiteral("application/vnd.oasis.opendocument.text");

// The report's font. A system without it puts its stand-in in its place (Liberation Sans,
// made to the same measures), as the program's own pages do.
const QString kFamily = QStringLiteral("Arial");
// A4 less 2 cm margins on either side leaves 17 cm of text width.
constexpr qreal kTextWidthPoints = 17.0 / 2.54 * 72.0;
const QString kLabelCellStyle = QStringLiteral("LUN4_Label");
const QString kValueCellStyle = QStringLiteral("LUN4_Value");

// What the writer's content needs completing with, learnt while the document is built.
struct Completion {
    QHash<QString, int> headingStyles;  // the writer's paragraph style "p<n>" -> outline level
    std::vector<bool> labelCells;       // every table cell in document order: a label?
    QSet<QString> tablesOnNewPage;      // the writer's table styles "Table<n>"
    QSet<QString> droppedParagraphs;    // paragraph styles of empty blocks before tables
};

// Marks the empty block a table is inserted after: the document keeps one before a table
// that follows a table (or opens the document); the package needs none.
constexpr int kSpacerProperty = QTextFormat::UserProperty + 1;

QString headingStyleName(int level) {
    return QStringLiteral("Heading_20_%1").arg(level);
}

QTextCharFormat charFormat(FlowStyle style) {
    QTextCharFormat f;
    // Qt's writer reads the family from the single-family property only.
    f.setProperty(QTextFormat::OldFontFamily, kFamily);
    f.setProperty(QTextFormat::FontFamilies, QStringList{kFamily});
    switch (style) {
        case FlowStyle::Caption:
            f.setFontPointSize(9);
            break;
        case FlowStyle::Emphasis:
            f.setFontWeight(QFont::Bold);
            break;
        case FlowStyle::Title:
            f.setFontWeight(QFont::Bold);
            f.setFontPointSize(13);
            break;
        default:
            // Body text and headings take their size from the styles, so that changing a
            // style in the word processor changes them all.
            break;
    }
    return f;
}

Qt::Alignment alignment(FlowAlign align) {
    switch (align) {
        case FlowAlign::Center:
            return Qt::AlignHCenter;
        case FlowAlign::Right:
            return Qt::AlignRight | Qt::AlignAbsolute;
        case FlowAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

QTextBlockFormat blockFormat(FlowStyle style, FlowAlign align) {
    QTextBlockFormat f;
    f.setAlignment(alignment(align));
    // The outline level keeps the formats of headings apart from those of the text and
    // from each other; the package gets heading styles by it.
    f.setHeadingLevel(ui::headingLevel(style));
    if (style == FlowStyle::Caption) f.setBottomMargin(16);
    if (style == FlowStyle::Title) {
        f.setTopMargin(24);
        f.setBottomMargin(24);
    }
    return f;
}

class Builder {
  public:
    Builder(QTextDocument& doc, Completion& completion, DataPaths& data)
        : doc_(doc), cursor_(&doc), completion_(completion), data_(data) {}

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

  private:
    // Every block goes into the empty block the cursor stands in (the document's first, the
    // one after a table) or into a new one.
    void startBlock(const QTextBlockFormat& block, const QTextCharFormat& chars) {
        if (inEmptyBlock_) {
            cursor_.setBlockFormat(block);
            cursor_.setBlockCharFormat(chars);
        } else {
            cursor_.insertBlock(block, chars);
        }
        inEmptyBlock_ = false;
    }

    void paragraph(const FlowBlock& block) {
        QTextBlockFormat format = blockFormat(block.style, block.align);
        if (block.newPage) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        const QTextCharFormat chars = charFormat(block.style);
        startBlock(format, chars);
        cursor_.insertText(ui::toQString(block.text), chars);
        if (const int level = ui::headingLevel(block.style); level > 0) {
            completion_.headingStyles.insert(
                QStringLiteral("p%1").arg(cursor_.block().blockFormatIndex()), level);
        }
    }

    void picture(const FlowBlock& block) {
        const auto path = data_.resolve(block.text);
        // A data folder without the picture gives a document without it.
        const QImage image = path ? QImage(QString::fromStdString(path->string())) : QImage();
        if (image.isNull()) return;
        const QUrl name(QStringLiteral("lun4-picture-%1").arg(++pictures_));
        doc_.addResource(QTextDocument::ImageResource, name, image);
        startBlock(blockFormat(block.style, block.align), charFormat(block.style));
        QTextImageFormat format;
        format.merge(charFormat(block.style));
        format.setName(name.toString());
        format.setWidth(image.width());
        format.setHeight(image.height());
        cursor_.insertImage(format);
    }

    void table(const FlowBlock& block) {
        const int columns = int(block.columnPercents.size());
        const int rows = int(block.rows.size());
        if (columns == 0 || rows == 0) return;
        QTextTableFormat format;
        // Qt's writer writes fixed lengths as points.
        format.setWidth(QTextLength(QTextLength::FixedLength, kTextWidthPoints));
        QList<QTextLength> widths;
        for (int percent : block.columnPercents) {
            widths << QTextLength(QTextLength::FixedLength, kTextWidthPoints * percent / 100.0);
        }
        format.setColumnWidthConstraints(widths);
        format.setAlignment(Qt::AlignLeft);
        format.setCellSpacing(0);
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        // A table goes after the block the cursor is in; an empty one stays before it.
        if (inEmptyBlock_) {
            QTextBlockFormat spacer;
            spacer.setProperty(kSpacerProperty, true);
            cursor_.setBlockFormat(spacer);
            completion_.droppedParagraphs.insert(
                QStringLiteral("p%1").arg(cursor_.block().blockFormatIndex()));
        }
        QTextTable* table = cursor_.insertTable(rows, columns, format);
        if (block.newPage) {
            completion_.tablesOnNewPage.insert(QStringLiteral("Table%1").arg(table->formatIndex()));
        }
        for (int r = 0; r < rows; ++r) {
            int column = 0;
            for (const ui::FlowCell& cell : block.rows[r]) {
                if (column >= columns) break;
                const int span = std::clamp(cell.columnSpan, 1, columns - column);
                if (span > 1) table->mergeCells(r, column, 1, span);
                fillCell(table->cellAt(r, column), cell);
                column += span;
            }
        }
        cursor_.movePosition(QTextCursor::End);
        inEmptyBlock_ = true;
    }

    void fillCell(const QTextTableCell& cell, const ui::FlowCell& content) {
        QTextCursor at = cell.firstCursorPosition();
        QTextBlockFormat block = blockFormat(FlowStyle::Body, content.align);
        block.setBottomMargin(0);
        at.setBlockFormat(block);
        QTextCharFormat chars = charFormat(FlowStyle::Body);
        chars.setFontPointSize(10);
        if (content.bold || content.label) chars.setFontWeight(QFont::Bold);
        // Not as the block's character format: a cell keeps its own format (its span among
        // it) there.
        // One paragraph per cell: Qt's writer makes a cell of every paragraph. The lines of
        // a field are kept as line breaks within it.
        QStringList lines;
        for (const std::string& line : content.lines) lines << ui::toQString(line);
        at.insertText(lines.join(QChar(QChar::LineSeparator)), chars);
        completion_.labelCells.push_back(content.label);
    }

    QTextDocument& doc_;
    QTextCursor cursor_;
    Completion& completion_;
    DataPaths& data_;
    bool inEmptyBlock_ = true;
    int pictures_ = 0;
};

void declareNamespaces(QXmlStreamWriter& w) {
    w.writeNamespace(kOffice, QStringLiteral("office"));
    w.writeNamespace(kText, QStringLiteral("text"));
    w.writeNamespace(kStyle, QStringLiteral("style"));
    w.writeNamespace(kFo, QStringLiteral("fo"));
    w.writeNamespace(kTable, QStringLiteral("table"));
    w.writeNamespace(kDraw, QStringLiteral("draw"));
    w.writeNamespace(kXlink, QStringLiteral("xlink"));
    w.writeNamespace(kSvg, QStringLiteral("svg"));
}

void writeCellStyle(QXmlStreamWriter& w, const QString& name, bool label) {
    w.writeStartElement(kStyle, QStringLiteral("style"));
    w.writeAttribute(kStyle, QStringLiteral("name"), name);
    w.writeAttribute(kStyle, QStringLiteral("family"), QStringLiteral("table-cell"));
    w.writeEmptyElement(kStyle, QStringLiteral("table-cell-properties"));
    if (label) w.writeAttribute(kFo, QStringLiteral("background-color"), QStringLiteral("#d9d9d9"));
    w.writeAttribute(kFo, QStringLiteral("border"), QStringLiteral("0.5pt solid #000000"));
    w.writeAttribute(kFo, QStringLiteral("padding"), QStringLiteral("0.1cm"));
    w.writeAttribute(kStyle, QStringLiteral("vertical-align"),
                     label ? QStringLiteral("middle") : QStringLiteral("top"));
    w.writeEndElement();
}

bool is(const QXmlStreamReader& in, const QString& ns, QLatin1StringView name) {
    return in.namespaceUri() == ns && in.name() == name;
}

// The writer's content.xml with headings, cell styles, covered cells, plain line breaks and
// page breaks before tables; empty when it cannot be read.
QByteArray completeContent(const QByteArray& xml, const Completion& completion) {
    QXmlStreamReader in(xml);
    QByteArray out;
    QXmlStreamWriter w(&out);
    declareNamespaces(w);
    size_t cell = 0;
    std::vector<int> spans;  // of the table cells open
    QString style;           // the automatic style being read
    bool pendingTab = false;
    QString pendingSpace;
    while (!in.atEnd()) {
        in.readNext();
        if (in.hasError()) return {};
        if (pendingTab) {
            if (in.isCharacters() && in.isWhitespace()) {
                pendingSpace += in.text();
                continue;
            }
            // The writer puts a tab before every line break, which pushes a centred line
            // off centre; a tab before anything else stays.
            if (!(in.isStartElement() && is(in, kText, QLatin1StringView("line-break")))) {
                w.writeEmptyElement(kText, QStringLiteral("tab"));
                w.writeCharacters(pendingSpace);
            }
            pendingTab = false;
            pendingSpace.clear();
        }
        switch (in.tokenType()) {
            case QXmlStreamReader::StartDocument:
                w.writeStartDocument();
                break;
            case QXmlStreamReader::EndDocument:
                w.writeEndDocument();
                break;
            case QXmlStreamReader::Characters:
                w.writeCharacters(in.text().toString());
                break;
            case QXmlStreamReader::StartElement: {
                if (is(in, kText, QLatin1StringView("tab"))) {
                    pendingTab = true;
                    in.skipCurrentElement();
                    break;
                }
                QXmlStreamAttributes attributes = in.attributes();
                const QString styleName =
                    attributes.value(kText, QStringLiteral("style-name")).toString();
                if (is(in, kText, QLatin1StringView("p")) &&
                    completion.droppedParagraphs.contains(styleName)) {
                    in.skipCurrentElement();
                    break;
                }
                if (is(in, kText, QLatin1StringView("p")) &&
                    completion.headingStyles.contains(styleName)) {
                    const int level = completion.headingStyles.value(styleName);
                    w.writeStartElement(kText, QStringLiteral("h"));
                    w.writeAttribute(kText, QStringLiteral("style-name"), headingStyleName(level));
                    w.writeAttribute(kText, QStringLiteral("outline-level"),
                                     QString::number(level));
                    break;
                }
                w.writeStartElement(in.namespaceUri().toString(), in.name().toString());
                if (is(in, kTable, QLatin1StringView("table-cell"))) {
                    const bool label =
                        cell < completion.labelCells.size() && completion.labelCells[cell];
                    ++cell;
                    QXmlStreamAttributes kept;
                    for (const QXmlStreamAttribute& a : attributes) {
                        if (a.namespaceUri() != kTable ||
                            a.name() != QLatin1StringView("style-name")) {
                            kept.append(a);
                        }
                    }
                    kept.append(kTable, QStringLiteral("style-name"),
                                label ? kLabelCellStyle : kValueCellStyle);
                    attributes = kept;
                    spans.push_back(
                        qMax(1, attributes.value(kTable, QStringLiteral("number-columns-spanned"))
                                    .toInt()));
                } else if (is(in, kStyle, QLatin1StringView("style"))) {
                    style = attributes.value(kStyle, QStringLiteral("name")).toString();
                } else if (is(in, kStyle, QLatin1StringView("table-properties")) &&
                           completion.tablesOnNewPage.contains(style)) {
                    attributes.append(kFo, QStringLiteral("break-before"), QStringLiteral("page"));
                }
                w.writeAttributes(attributes);
                break;
            }
            case QXmlStreamReader::EndElement:
                if (is(in, kOffice, QLatin1StringView("automatic-styles"))) {
                    writeCellStyle(w, kLabelCellStyle, true);
                    writeCellStyle(w, kValueCellStyle, false);
                }
                w.writeEndElement();
                if (is(in, kTable, QLatin1StringView("table-cell")) && !spans.empty()) {
                    // A cell across columns is followed by the cells it covers.
                    for (int i = 1; i < spans.back(); ++i) {
                        w.writeEmptyElement(kTable, QStringLiteral("covered-table-cell"));
                    }
                    spans.pop_back();
                }
                break;
            default:
                break;
        }
    }
    if (in.hasError()) return {};
    return out;
}

QByteArray stylesXml() {
    QByteArray out;
    QXmlStreamWriter w(&out);
    declareNamespaces(w);
    w.writeStartDocument();
    w.writeStartElement(kOffice, QStringLiteral("document-styles"));
    w.writeAttribute(kOffice, QStringLiteral("version"), QStringLiteral("1.2"));

    w.writeStartElement(kOffice, QStringLiteral("font-face-decls"));
    w.writeEmptyElement(kStyle, QStringLiteral("font-face"));
    w.writeAttribute(kStyle, QStringLiteral("name"), kFamily);
    w.writeAttribute(kSvg, QStringLiteral("font-family"), kFamily);
    w.writeAttribute(kStyle, QStringLiteral("font-family-generic"), QStringLiteral("swiss"));
    w.writeAttribute(kStyle, QStringLiteral("font-pitch"), QStringLiteral("variable"));
    w.writeEndElement();

    w.writeStartElement(kOffice, QStringLiteral("styles"));
    w.writeStartElement(kStyle, QStringLiteral("default-style"));
    w.writeAttribute(kStyle, QStringLiteral("family"), QStringLiteral("paragraph"));
    w.writeEmptyElement(kStyle, QStringLiteral("paragraph-properties"));
    w.writeAttribute(kFo, QStringLiteral("margin-top"), QStringLiteral("0cm"));
    w.writeAttribute(kFo, QStringLiteral("margin-bottom"), QStringLiteral("0.2cm"));
    w.writeEmptyElement(kStyle, QStringLiteral("text-properties"));
    w.writeAttribute(kStyle, QStringLiteral("font-name"), kFamily);
    w.writeAttribute(kFo, QStringLiteral("font-family"), kFamily);
    w.writeAttribute(kFo, QStringLiteral("font-size"), QStringLiteral("11pt"));
    w.writeAttribute(kFo, QStringLiteral("language"), QStringLiteral("pl"));
    w.writeAttribute(kFo, QStringLiteral("country"), QStringLiteral("PL"));
    w.writeEndElement();

    auto paragraphStyle = [&](const QString& name, const QString& display, const QString& parent) {
        w.writeStartElement(kStyle, QStringLiteral("style"));
        w.writeAttribute(kStyle, QStringLiteral("name"), name);
        if (!display.isEmpty()) w.writeAttribute(kStyle, QStringLiteral("display-name"), display);
        w.writeAttribute(kStyle, QStringLiteral("family"), QStringLiteral("paragraph"));
        if (!parent.isEmpty())
            w.writeAttribute(kStyle, QStringLiteral("parent-style-name"), parent);
    };
    paragraphStyle(QStringLiteral("Standard"), QString(), QString());
    w.writeAttribute(kStyle, QStringLiteral("class"), QStringLiteral("text"));
    w.writeEndElement();
    paragraphStyle(QStringLiteral("Heading"), QString(), QStringLiteral("Standard"));
    w.writeAttribute(kStyle, QStringLiteral("next-style-name"), QStringLiteral("Standard"));
    w.writeAttribute(kStyle, QStringLiteral("class"), QStringLiteral("text"));
    w.writeEmptyElement(kStyle, QStringLiteral("paragraph-properties"));
    w.writeAttribute(kFo, QStringLiteral("margin-top"), QStringLiteral("0.42cm"));
    w.writeAttribute(kFo, QStringLiteral("margin-bottom"), QStringLiteral("0.21cm"));
    w.writeAttribute(kFo, QStringLiteral("keep-with-next"), QStringLiteral("always"));
    w.writeEmptyElement(kStyle, QStringLiteral("text-properties"));
    w.writeAttribute(kFo, QStringLiteral("font-weight"), QStringLiteral("bold"));
    w.writeEndElement();
    // The report's headings: a level-1 heading as the report's emphasis, the section and
    // area titles underlined as the report's title font.
    const char* sizes[3] = {"14pt", "13pt", "12pt"};
    for (int level = 1; level <= 3; ++level) {
        paragraphStyle(headingStyleName(level), QStringLiteral("Heading %1").arg(level),
                       QStringLiteral("Heading"));
        w.writeAttribute(kStyle, QStringLiteral("default-outline-level"), QString::number(level));
        w.writeAttribute(kStyle, QStringLiteral("next-style-name"), QStringLiteral("Standard"));
        w.writeAttribute(kStyle, QStringLiteral("class"), QStringLiteral("text"));
        w.writeEmptyElement(kStyle, QStringLiteral("text-properties"));
        w.writeAttribute(kFo, QStringLiteral("font-size"), QLatin1StringView(sizes[level - 1]));
        w.writeAttribute(kFo, QStringLiteral("font-weight"), QStringLiteral("bold"));
        if (level > 1) {
            w.writeAttribute(kStyle, QStringLiteral("text-underline-style"),
                             QStringLiteral("solid"));
            w.writeAttribute(kStyle, QStringLiteral("text-underline-width"),
                             QStringLiteral("auto"));
            w.writeAttribute(kStyle, QStringLiteral("text-underline-color"),
                             QStringLiteral("font-color"));
        }
        w.writeEndElement();
    }
    // Headings are not numbered.
    w.writeStartElement(kText, QStringLiteral("outline-style"));
    w.writeAttribute(kStyle, QStringLiteral("name"), QStringLiteral("Outline"));
    for (int level = 1; level <= 10; ++level) {
        w.writeEmptyElement(kText, QStringLiteral("outline-level-style"));
        w.writeAttribute(kText, QStringLiteral("level"), QString::number(level));
        w.writeAttribute(kStyle, QStringLiteral("num-format"), QString());
    }
    w.writeEndElement();
    w.writeEndElement();  // styles

    w.writeStartElement(kOffice, QStringLiteral("automatic-styles"));
    w.writeStartElement(kStyle, QStringLiteral("page-layout"));
    w.writeAttribute(kStyle, QStringLiteral("name"), QStringLiteral("A4"));
    w.writeEmptyElement(kStyle, QStringLiteral("page-layout-properties"));
    w.writeAttribute(kFo, QStringLiteral("page-width"), QStringLiteral("21cm"));
    w.writeAttribute(kFo, QStringLiteral("page-height"), QStringLiteral("29.7cm"));
    w.writeAttribute(kStyle, QStringLiteral("print-orientation"), QStringLiteral("portrait"));
    for (const char* side : {"margin-top", "margin-bottom", "margin-left", "margin-right"}) {
        w.writeAttribute(kFo, QLatin1StringView(side), QStringLiteral("2cm"));
    }
    w.writeEndElement();
    w.writeEndElement();

    w.writeStartElement(kOffice, QStringLiteral("master-styles"));
    w.writeEmptyElement(kStyle, QStringLiteral("master-page"));
    w.writeAttribute(kStyle, QStringLiteral("name"), QStringLiteral("Standard"));
    w.writeAttribute(kStyle, QStringLiteral("page-layout-name"), QStringLiteral("A4"));
    w.writeEndElement();

    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray metaXml(const QString& title) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeNamespace(kOffice, QStringLiteral("office"));
    w.writeNamespace(kMeta, QStringLiteral("meta"));
    w.writeNamespace(kDc, QStringLiteral("dc"));
    w.writeStartDocument();
    w.writeStartElement(kOffice, QStringLiteral("document-meta"));
    w.writeAttribute(kOffice, QStringLiteral("version"), QStringLiteral("1.2"));
    w.writeStartElement(kOffice, QStringLiteral("meta"));
    w.writeTextElement(kMeta, QStringLiteral("generator"), QStringLiteral("LUN4_TORVA"));
    w.writeTextElement(kDc, QStringLiteral("title"), title);
    w.writeTextElement(kDc, QStringLiteral("language"), QStringLiteral("pl-PL"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray manifestXml(const std::vector<ZipEntry>& entries) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeNamespace(kManifest, QStringLiteral("manifest"));
    w.writeStartDocument();
    w.writeStartElement(kManifest, QStringLiteral("manifest"));
    w.writeAttribute(kManifest, QStringLiteral("version"), QStringLiteral("1.2"));
    auto entry = [&](const QString& path, const QString& type) {
        w.writeEmptyElement(kManifest, QStringLiteral("file-entry"));
        w.writeAttribute(kManifest, QStringLiteral("full-path"), path);
        if (path == QLatin1StringView("/")) {
            w.writeAttribute(kManifest, QStringLiteral("version"), QStringLiteral("1.2"));
        }
        w.writeAttribute(kManifest, QStringLiteral("media-type"), type);
    };
    entry(QStringLiteral("/"), kMimeType);
    // Every file of the package is listed; the writer names its pictures without an
    // extension, so their type is read from their first bytes.
    for (const ZipEntry& e : entries) {
        if (e.name.endsWith(QLatin1StringView(".xml"))) {
            entry(e.name, QStringLiteral("text/xml"));
        } else if (e.data.startsWith("\x89PNG")) {
            entry(e.name, QStringLiteral("image/png"));
        } else if (e.data.startsWith("\xFF\xD8")) {
            entry(e.name, QStringLiteral("image/jpeg"));
        } else {
            entry(e.name, QStringLiteral("application/octet-stream"));
        }
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

}  // namespace

QByteArray odtPackage(const ui::FlowDocument& document, DataPaths& data) {
    QTextDocument doc;
    Completion completion;
    Builder builder(doc, completion, data);
    for (const FlowBlock& block : document.blocks) builder.add(block);

    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&written, QByteArrayLiteral("odf"));
    if (!writer.write(&doc)) return {};
    const auto entries = readZip(written.data());
    if (!entries) return {};

    std::vector<ZipEntry> package;
    package.push_back({QStringLiteral("mimetype"), kMimeType.toLatin1()});
    for (const ZipEntry& e : *entries) {
        if (e.name == QLatin1StringView("content.xml")) {
            QByteArray content = completeContent(e.data, completion);
            if (content.isEmpty()) return {};
            package.push_back({e.name, std::move(content)});
        } else if (e.name.startsWith(QLatin1StringView("Pictures/"))) {
            package.push_back(e);
        }
    }
    if (package.size() < 2) return {};  // the writer gave no content
    package.push_back({QStringLiteral("styles.xml"), stylesXml()});
    package.push_back({QStringLiteral("meta.xml"), metaXml(ui::toQString(document.title))});
    std::vector<ZipEntry> listed(package.begin() + 1, package.end());
    package.push_back({QStringLiteral("META-INF/manifest.xml"), manifestXml(listed)});
    return writeZip(package);
}

bool writeOdt(const ui::FlowDocument& document, const std::filesystem::path& path, DataPaths& data,
              FileSystem& fileSystem, std::string& error) {
    const QByteArray bytes = odtPackage(document, data);
    if (bytes.isEmpty()) {
        error = "nie można utworzyć dokumentu " + path.string();
        return false;
    }
    return writeFileAtomically(path, std::string_view(bytes.constData(), size_t(bytes.size())),
                               fileSystem, &error);
}

}  // namespace lun4::platform
