#pragma once
// A document that flows from page to page instead of being drawn on fixed pages: the
// editable form of a printed document, as a word processor keeps it. Headings, paragraphs,
// tables and pictures in reading order; the platform writes it as a word processor's file.
// Texts are cp1250, like everything handed to the drawing interface.

#include <string>
#include <vector>

namespace lun4::ui {

enum class FlowStyle {
    Body,      // the text of the document
    Caption,   // a small line under something to be filled in
    Emphasis,  // bold
    Title,     // the document's title, bold and larger, not a heading of the outline
    Heading1,  // headings of the outline, from the top level down
    Heading2,
    Heading3,
};

enum class FlowAlign { Left, Center, Right };

// Outline level of a heading style (1..3), 0 for the others.
inline int headingLevel(FlowStyle style) {
    switch (style) {
        case FlowStyle::Heading1:
            return 1;
        case FlowStyle::Heading2:
            return 2;
        case FlowStyle::Heading3:
            return 3;
        default:
            return 0;
    }
}

struct FlowCell {
    std::vector<std::string> lines;  // one paragraph each
    bool label = false;              // a grey label cell, bold and centred
    bool bold = false;
    FlowAlign align = FlowAlign::Left;
    int columnSpan = 1;
};

struct FlowBlock {
    enum class Kind { Paragraph, Table, Picture };
    Kind kind = Kind::Paragraph;
    FlowStyle style = FlowStyle::Body;
    FlowAlign align = FlowAlign::Left;
    std::string text;      // a paragraph (one line, no breaks); a picture's data file name
    bool newPage = false;  // the block starts a new page
    // A table: its columns' shares of the text width (they add up to 100) and its rows.
    std::vector<int> columnPercents;
    std::vector<std::vector<FlowCell>> rows;
};

struct FlowDocument {
    std::string title;  // the file's title, as a word processor lists it
    std::vector<FlowBlock> blocks;

    void paragraph(std::string text, FlowStyle style = FlowStyle::Body,
                   FlowAlign align = FlowAlign::Left) {
        FlowBlock block;
        block.style = style;
        block.align = align;
        block.text = std::move(text);
        blocks.push_back(std::move(block));
    }
};

}  // namespace lun4::ui
