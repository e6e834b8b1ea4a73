#pragma once
// The shared fonts. Heights are cell heights in pixels (ascent plus descent), as the screens
// were laid out; the Qt side sizes its fonts to match them.

#include <string_view>

namespace lun4::ui {

enum class FontId {
    Title,            // Arial 22 bold: screen titles
    Item,             // Arial 16 bold: button labels, item screens
    Number,           // Arial 18 bold: button number text
    Edit,             // Arial 18: note editor, report boxes
    Form,             // Arial 18 bold: examinee data form
    ReportBody,       // Arial 20: chart, summary form, report
    List,             // Tahoma 18 bold: file list
    ListTitle,        // Tahoma 20: file list preview
    ReportHeading,    // Arial 22 bold
    ChartLabel,       // Arial 18 bold, antialiased
    SmallHeading,     // Arial 16 bold: name box, small headings
    ReportEmphasis,   // Arial 20 weight 800
    SummaryHeading,   // Arial 18 bold
    SummaryLabel,     // Arial 16 bold
    SummaryText,      // Arial 16
    ReportText,       // Arial 16
    ReportTitle,      // Arial 20 weight 800, underlined
    ReportSmallBold,  // Arial 14 weight 800
    SystemDefault,    // the platform's default control font (the save-name box)
};

inline constexpr int kFontCount = static_cast<int>(FontId::SystemDefault) + 1;

enum class Face { Arial, Tahoma, System };

struct FontSpec {
    Face face;
    int cellHeight;
    int weight;  // 0 default (400), 400, 700, 800
    bool underline;
    bool antialiased;
};

const FontSpec& fontSpec(FontId id);

}  // namespace lun4::ui
