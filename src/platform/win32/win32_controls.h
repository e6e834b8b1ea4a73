#pragma once
// The edit boxes and check boxes laid over the frame, as native EDIT and BUTTON controls.
// What a box holds is judged as it lies in the 1024x768 frame, whatever the display's size:
// each box has a hidden twin of its frame size, in the frame's font and with the same style,
// and an insertion stands only as far as the twin, an EDIT control that does not scroll,
// takes it. So a box holds what it shows and no more, never more than its record field holds,
// and the note editor's lines are its twin's lines.
// Typed and pasted text is filtered alike (ui/typed_text.h): refused characters are named in a
// short note under the box; what would not fit is cut off; a box that holds more than it shows
// (text from a file written elsewhere) can always be shortened. The note editor keeps its text
// as lines: the program's own wrapping rule (ui/text_wrap.h) at the twin's width gives them,
// and it takes only as many as it shows.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/frame_mapping.h"
#include "ui/controls.h"

namespace lun4::platform {

class Win32TextControl : public ui::TextControl {
  public:
    // `parent` forwards its WM_COMMAND messages to handleCommand.
    Win32TextControl(HWND parent, const ui::ControlLayout& layout);
    ~Win32TextControl() override;
    Win32TextControl(const Win32TextControl&) = delete;
    Win32TextControl& operator=(const Win32TextControl&) = delete;

    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setText(std::string_view cp1250) override;
    std::string text() const override;
    // The lines as they wrap in the frame (the twin's lines, not the scaled screen's).
    std::vector<std::string> displayedLines() const override;
    void setFocus() override;
    void setPlaceholder(std::string_view utf8) override;

    void place(const FrameMapping& mapping);
    HWND handle() const { return box_; }

    // Inserts typed or pasted text in place of the selection; erases the selection, or the
    // character before (backward) or after the caret; undoes the last change. All go through
    // the same judgement.
    void insert(std::wstring_view typed);
    enum class Erase { Selection, Backward, Forward };
    void erase(Erase what);
    void undo();
    // The note last shown under the box ("" when none was), for tests.
    const std::wstring& lastNote() const { return lastNote_; }

    // Routes a parent's WM_COMMAND to the control it came from; true when it was one of ours.
    static bool handleCommand(WPARAM wParam, LPARAM lParam);

    // What an edit from `before` to `after` leaves in the box, and where the caret goes.
    struct Edit {
        std::wstring text;
        int caret = 0;
        std::wstring refused;
    };
    Edit judge(const std::wstring& before, const std::wstring& after) const;

  private:
    static LRESULT CALLBACK boxProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void onEdited();
    void apply(const Edit& edit);
    void change(size_t from, size_t to, std::wstring_view typed);
    std::pair<size_t, size_t> selection(const std::wstring& text) const;
    std::wstring current() const;
    // Whether the twin, holding `before`, takes `inserted` in place of [from, to) whole.
    bool twinTakes(const std::wstring& before, size_t from, size_t to,
                   const std::wstring& inserted) const;
    void showNote(const std::wstring& refused);
    std::vector<std::string> frameLines(const std::wstring& text) const;
    void paintPlaceholder();

    ui::ControlLayout layout_;
    HWND box_ = nullptr;
    HWND twin_ = nullptr;
    HFONT screenFont_ = nullptr;
    HDC measure_ = nullptr;     // measures text in the frame font
    int frameWidth_ = 0;        // the width the twin lays text out in
    int visibleLines_ = 1;      // the lines the box shows in the frame
    mutable std::wstring twinHolds_;
    std::wstring lastAccepted_;
    std::wstring placeholder_;
    std::wstring lastNote_;
    std::optional<Edit> undo_;
    bool restoring_ = false;
};

class Win32CheckBox : public ui::CheckBox {
  public:
    Win32CheckBox(HWND parent, const ui::CheckBoxLayout& layout, int commandId);
    ~Win32CheckBox() override;

    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setChecked(bool checked) override;
    bool isChecked() const override;
    void setOnClicked(std::function<void()> handler) override { onClicked_ = std::move(handler); }

    void place(const FrameMapping& mapping);
    HWND handle() const { return box_; }
    // The parent's WM_COMMAND for this box: runs the click handler; true when it was ours.
    bool command(WPARAM wParam);

  private:
    static LRESULT CALLBACK boxProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    ui::CheckBoxLayout layout_;
    int id_;
    HWND box_ = nullptr;
    std::function<void()> onClicked_;
};

// The window style of a box as the program has always made it: multi-line (also the one-line
// boxes of the form), never scrolling.
DWORD editStyle(const ui::ControlLayout& layout);

}  // namespace lun4::platform
