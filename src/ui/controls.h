#pragma once
// The text controls laid over the frame (the examinee data form, the save-name box, the two
// report boxes and the note editor) and the two gender check boxes. The platform creates
// them hidden from this layout; screens only show, hide, fill and read them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/fonts.h"
#include "ui/geometry.h"

namespace lun4::ui {

enum class ControlId {
    SaveName,  // file name on the save screen
    FullName,  // firstName and lastName as one line
    BirthDate,
    ExamDate,
    HomeAddress,
    Contacts,
    FacilityAddress,
    Siblings,
    Guardians,
    AdditionalInfo,
    Diagnostician,
    PermitNumber,
    ReportBoxA,
    ReportBoxB,
    NoteEditor,  // the recommendation editor
    // The settings screen: the cover's institution and place, the diagnostician proposed for
    // new records.
    SettingsInstitution,
    SettingsPlace,
    SettingsDiagnostician,
    SettingsPermit,
};
inline constexpr int kControlCount = static_cast<int>(ControlId::SettingsPermit) + 1;

enum class Alignment { Left, Center, Right };

// Room between a multi-line box's edges and its text, in frame pixels: its lines are wrapped at
// its width less twice this, and it shows as many lines as its height less twice this holds.
inline constexpr int kBoxTextMargin = 2;

struct ControlLayout {
    ControlId id;
    Rect rect;  // frame pixels
    FontId font;
    Alignment alignment;
    bool multiLine;  // wraps at its right edge; Enter inserts a line break
    int maxChars;    // most characters the record field behind it can hold
};

const ControlLayout& controlLayout(ControlId id);

enum class CheckBoxId { Male, Female };

struct CheckBoxLayout {
    CheckBoxId id;
    Rect rect;
};
const CheckBoxLayout& checkBoxLayout(CheckBoxId id);

// An edit control over the frame. Texts are cp1250. The control never accepts "§" nor a
// character cp1250 cannot hold, nor more text than it shows or than maxChars.
class TextControl {
  public:
    virtual ~TextControl() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void setText(std::string_view cp1250) = 0;
    virtual std::string text() const = 0;
    // The lines as the control displays them, wrapped lines counted as lines of their own.
    virtual std::vector<std::string> displayedLines() const = 0;
    virtual void setFocus() = 0;
    // A grey hint the empty control shows (UTF-8); it is never part of the text.
    virtual void setPlaceholder(std::string_view /*utf8*/) {}
};

class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void setChecked(bool checked) = 0;
    virtual bool isChecked() const = 0;
    // Called when the user clicks the box (not when setChecked changes it).
    virtual void setOnClicked(std::function<void()> handler) = 0;
};

}  // namespace lun4::ui
