// The boxes over the frame are native EDIT controls. These tests type into real ones, as the
// keyboard and the clipboard would, and look at what the controls hold and show.

#include "platform/win32/win32_controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "model/cp1250.h"
#include "platform/win32/wide_text.h"
#include "test_window.h"
#include "ui/gdi/gdi_fonts.h"

namespace lun4::platform {
namespace {

using ui::ControlId;

class BoxesTest : public ::testing::Test {
  protected:
    Win32TextControl& box(ControlId id, double scale = 1.0) {
        auto& slot = boxes_[static_cast<int>(id)];
        slot = std::make_unique<Win32TextControl>(parent_.handle(), ui::controlLayout(id));
        slot->place(FrameMapping{scale, 0, 0});
        slot->setVisible(true);
        slot->setFocus();
        return *slot;
    }
    static void type(Win32TextControl& c, std::wstring_view keys) {
        for (const wchar_t k : keys) ::SendMessageW(c.handle(), WM_CHAR, k, 0);
    }
    static void paste(Win32TextControl& c, const std::wstring& text) {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(::GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(data);
        ::SetClipboardData(CF_UNICODETEXT, data);
        ::CloseClipboard();
        ::SendMessageW(c.handle(), WM_CHAR, 0x16, 0);  // Ctrl+V
    }
    static void select(Win32TextControl& c, int from, int to) {
        ::SendMessageW(c.handle(), EM_SETSEL, from, to);
    }
    static std::wstring shown(const Win32TextControl& c) { return fromCp1250(c.text()); }

    // One window for all: under Wine without a window manager, taking a shown window down
    // waits for a confirmation that never comes.
    testing::TestWindow& parent_ = testing::TestWindow::shared();
    std::unique_ptr<Win32TextControl> boxes_[ui::kControlCount];
};

// Every character a box holds is on screen: nothing scrolled out of sight, nothing below the
// last line it shows.
void expectAllShown(const Win32TextControl& c) {
    const HWND edit = c.handle();
    const int length = ::GetWindowTextLengthW(edit);
    RECT client;
    ::GetClientRect(edit, &client);
    HDC dc = ::GetDC(edit);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(edit, dc);
    EXPECT_EQ(::SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    for (int i : {0, length - 1}) {
        if (i < 0) continue;
        const LRESULT at = ::SendMessageW(edit, EM_POSFROMCHAR, i, 0);
        const int x = static_cast<short>(LOWORD(at));
        const int y = static_cast<short>(HIWORD(at));
        EXPECT_GE(x, 0) << i;
        EXPECT_LT(x, client.right) << i;
        EXPECT_GE(y, 0) << i;
        EXPECT_LE(y + metrics.tmHeight, client.bottom + 1) << i;
    }
}

TEST_F(BoxesTest, EveryBoxTakesWhatItShowsAndNoMore) {
    for (int i = 0; i < ui::kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        SCOPED_TRACE(i);
        Win32TextControl& c = box(id);
        // More words than the record field holds: as many go in as the box shows, and then
        // no key adds anything.
        std::wstring words;
        for (int n = 0; words.size() < ui::controlLayout(id).maxChars + 100u; ++n) {
            words += L"słowo" + std::to_wstring(n) + L" ";
        }
        paste(c, words);
        const std::wstring kept = shown(c);
        EXPECT_LT(kept.size(), words.size());
        EXPECT_EQ(kept, words.substr(0, kept.size()));
        type(c, L"WWMM@@");  // wider than any letter that went in
        EXPECT_EQ(shown(c), kept);
        expectAllShown(c);
        // Line breaks, where a box takes them, only while a line is left.
        type(c, std::wstring(40, L'\r') + L"koniec");
        expectAllShown(c);
        EXPECT_LE(c.text().size(), static_cast<size_t>(ui::controlLayout(id).maxChars));
    }
}

// Pasting and typing refuse the same characters ("§", the file's separator, and those cp1250
// cannot hold) and say so alike in a short note under the box; control characters go quietly.
TEST_F(BoxesTest, TypedAndPastedTextIsFilteredAlikeAndTheRefusalNamed) {
    Win32TextControl& address = box(ControlId::HomeAddress);
    paste(address, L"Żółć § 5 mañana £\r\nul. Długa\t7 😀");
    EXPECT_EQ(shown(address), L"Żółć  5 maana \r\nul. Długa7 ");
    EXPECT_EQ(address.lastNote(),
              L"Znaków „§”, „ñ”, „£”, „😀” nie można zapisać w pliku badania. Zamiast „§” wpisz "
              L"„par.”.");

    Win32TextControl& date = box(ControlId::BirthDate);
    paste(date, L"01.02\r\n2003\r\n");
    EXPECT_EQ(shown(date), L"01.02 2003");
    EXPECT_EQ(date.lastNote(), L"");
    type(date, L"ñ");
    EXPECT_EQ(date.lastNote(), L"Znaku „ñ” nie można zapisać w pliku badania.");
    type(date, L"§\t\x1b");
    EXPECT_EQ(shown(date), L"01.02 2003");
    EXPECT_EQ(date.lastNote(),
              L"Znaku „§” nie można zapisać w pliku badania. Zamiast „§” wpisz „par.”.");
    // Typed where the caret is, not where the text's ends happen to match.
    date.setText("all");
    select(date, 2, 2);
    type(date, L"lx");
    EXPECT_EQ(shown(date), L"allxl");
}

TEST_F(BoxesTest, APasteTooLongForTheBoxKeepsWhatFits) {
    std::wstring words;
    for (int i = 0; i < 200; ++i) words += L"wyraz" + std::to_wstring(i) + L" ";
    for (ControlId id : {ControlId::HomeAddress, ControlId::NoteEditor, ControlId::FullName}) {
        SCOPED_TRACE(static_cast<int>(id));
        Win32TextControl& c = box(id);
        c.setText(cp1250::fromUtf8Lossy("Na początku: "));
        select(c, 13, 13);
        paste(c, words);
        const std::wstring now = shown(c);
        ASSERT_EQ(now.substr(0, 20), L"Na początku: wyraz0 ");
        const std::wstring pasted = now.substr(13);
        EXPECT_EQ(words.substr(0, pasted.size()), pasted);
        expectAllShown(c);
        // One character more is refused.
        type(c, words.substr(pasted.size(), 1));
        EXPECT_EQ(shown(c), now);
    }
}

// Text from a file written elsewhere may hold more than a box shows. Every deletion and every
// change that does not lengthen it is taken; only additions are refused.
TEST_F(BoxesTest, AnOverFullBoxCanAlwaysBeShortened) {
    std::string thirtyLines;
    for (int i = 1; i <= 30; ++i) thirtyLines += "wiersz " + std::to_string(i) + "\r\n";
    thirtyLines += "ostatni";
    const std::string digits(60, '9');
    for (const auto& [id, text] : {std::pair{ControlId::NoteEditor, thirtyLines},
                                   std::pair{ControlId::HomeAddress, thirtyLines.substr(0, 300)},
                                   std::pair{ControlId::BirthDate, digits}}) {
        SCOPED_TRACE(static_cast<int>(id));
        Win32TextControl& c = box(id);
        c.setText(text);
        ASSERT_EQ(c.text(), text);
        const int end = static_cast<int>(text.size());
        select(c, end, end);
        type(c, L"x");
        EXPECT_EQ(c.text(), text);
        type(c, L"\b");
        EXPECT_EQ(c.text(), text.substr(0, text.size() - 1));
        select(c, 0, 1);
        type(c, L"Q");
        EXPECT_EQ(c.text(), "Q" + text.substr(1, text.size() - 2));
        select(c, 0, 0);
        ::SendMessageW(c.handle(), WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(c.text(), text.substr(1, text.size() - 2));
    }
}

// The note is kept as its lines in the 1024x768 frame: the same whatever the display's size.
TEST_F(BoxesTest, ANotesLinesAreTheFramesAtEveryDisplaySize) {
    std::string note;
    for (int i = 0; i < 40; ++i) note += "Ćwiczenia " + std::to_string(i * 37) + " ";
    note += "\r\nterapeuta/opiekun, biało-czerwony.";
    std::vector<std::vector<std::string>> linesAt;
    for (double scale : {600.0 / 768, 1.0, 1080.0 / 768}) {
        Win32TextControl& editor = box(ControlId::NoteEditor, scale);
        editor.setText(cp1250::fromUtf8Lossy(note));
        linesAt.push_back(editor.displayedLines());
    }
    EXPECT_GT(linesAt[1].size(), 3u);
    EXPECT_EQ(linesAt[0], linesAt[1]);
    EXPECT_EQ(linesAt[2], linesAt[1]);
}

TEST_F(BoxesTest, AClickOnAGenderBoxTicksItAndLeavesTheKeyboardInTheBox) {
    Win32TextControl& name = box(ControlId::FullName);
    Win32CheckBox male(parent_.handle(), ui::checkBoxLayout(ui::CheckBoxId::Male), 120);
    parent_.setCheckBox(&male);
    male.setVisible(true);
    int clicks = 0;
    male.setOnClicked([&] { ++clicks; });
    name.setFocus();
    ::SendMessageW(male.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    ::SendMessageW(male.handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(male.isChecked());
    EXPECT_EQ(::GetFocus(), name.handle());
    parent_.setCheckBox(nullptr);
}

}  // namespace
}  // namespace lun4::platform
