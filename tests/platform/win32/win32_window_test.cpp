// The program's window on Windows: the frame on screens of other sizes, the first paint, the
// About accelerators, the system's close, and the keys of the program's own questions.

#include "platform/win32/win32_window.h"

#include <gtest/gtest.h>

#include "platform/data_paths.h"
#include "platform/win32/program_dialog.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_keys.h"

namespace lun4::platform {
namespace {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        window.setComposeHandler([this] {
            ++composed;
            window.backBuffer(0).fill({0, 0, 1024, 768}, {10, 20, 30});
            window.present();
        });
        window.setMouseHandlers([this](int x, int y) { moved = {x, y}; }, [](int, int) {});
    }
    DataPaths paths{LUN4_RUN_DIR};
    Win32Window window{paths};
    int composed = 0;
    ui::Point moved{-1, -1};
};

TEST_F(WindowTest, FirstPaintComposesOnceLaterPaintsOnlyShow) {
    window.showAt({0, 0, 1024, 768});
    EXPECT_EQ(composed, 1);
    EXPECT_EQ(window.windowImage().pixel(500, 500), 0x0A141Eu);
    ::InvalidateRect(window.handle(), nullptr, FALSE);
    ::UpdateWindow(window.handle());
    EXPECT_EQ(composed, 1);
}

// A wide screen shows the frame 1:1 between black margins; a large one scales it. The mouse
// and the boxes follow.
TEST_F(WindowTest, OnOtherScreensTheFrameKeepsItsAspectAndTheMouseMapsBack) {
    struct Case {
        RECT screen;
        double scale;
        int offsetX;
        int offsetY;
    };
    for (const Case& c : {Case{{0, 0, 1366, 768}, 1.0, 171, 0},
                          Case{{0, 0, 1920, 1080}, 1080.0 / 768, 240, 0},
                          Case{{0, 0, 800, 600}, 800.0 / 1024, 0, 0}}) {
        SCOPED_TRACE(c.screen.right);
        window.showAt(c.screen);
        EXPECT_DOUBLE_EQ(window.mapping().scale, c.scale);
        EXPECT_EQ(window.mapping().offsetX, c.offsetX);
        EXPECT_EQ(window.mapping().offsetY, c.offsetY);
        // Frame point (128, 256) lies on a whole screen pixel at all three scales.
        const int x = c.offsetX + static_cast<int>(128 * c.scale);
        const int y = c.offsetY + static_cast<int>(256 * c.scale);
        ::SendMessageW(window.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        EXPECT_EQ(moved, (ui::Point{128, 256}));
        ui::TextControl& box = window.control(ui::ControlId::BirthDate);
        RECT placed;
        ::GetWindowRect(static_cast<Win32TextControl&>(box).handle(), &placed);
        EXPECT_NEAR(placed.left, c.offsetX + 712 * c.scale, 1);
        EXPECT_NEAR(placed.right - placed.left, 232 * c.scale, 1);
    }
}

// Keys pressed as the keyboard would press them (a US layout: "?" is Shift and "/").
void press(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    ::Sleep(100);
}

TEST_F(WindowTest, AltQuestionMarkAndAltSlashOpenTheAboutBoxPlainKeysDoNot) {
    int about = 0;
    window.setAboutFunction([&] { ++about; });
    window.showAt({0, 0, 1024, 768});
    // The keyboard reaches the window once it is the active one.
    for (int i = 0; i < 20 && ::GetFocus() != window.handle(); ++i) {
        window.processQueued();
        ::Sleep(50);
    }
    const std::pair<std::vector<WORD>, int> cases[] = {
        {{VK_MENU, VK_SHIFT, VK_OEM_2}, 1},  // Alt+"?"
        {{VK_MENU, VK_OEM_2}, 1},            // Alt+"/"
        {{VK_SHIFT, VK_OEM_2}, 0},           // "?"
        {{VK_MENU, 'X'}, 0},
    };
    for (const auto& [keys, opens] : cases) {
        about = 0;
        press(keys);
        EXPECT_TRUE(window.processQueued());
        EXPECT_EQ(about, opens);
    }
}

// The keyboard's keys and a double click reach the program as the screens' keys; a box over
// the frame keeps the keys that edit its text and hands on Escape, Ctrl+Enter and a one-line
// box's Enter.
TEST_F(WindowTest, KeysFromTheWindowAndItsBoxesAndDoubleClicksReachTheProgram) {
    std::vector<ui::KeyPress> keys;
    window.setKeyHandler([&](const ui::KeyPress& k) {
        keys.push_back(k);
        return true;
    });
    ui::Point doubled{-1, -1};
    window.setDoubleClickHandler([&](int x, int y) { doubled = {x, y}; });
    window.showAt({0, 0, 1024, 768});
    for (int i = 0; i < 20 && ::GetFocus() != window.handle(); ++i) {
        window.processQueued();
        ::Sleep(50);
    }
    press({'Z'});
    press({VK_NUMPAD2});
    press({VK_CONTROL, 'S'});
    window.processQueued();
    ASSERT_EQ(keys.size(), 3u);  // Ctrl alone is no key for the screens
    EXPECT_TRUE(keys[0].is('Z'));
    EXPECT_TRUE(keys[1].is('2'));
    EXPECT_TRUE(keys[2].withCtrl('S'));

    for (const auto id : {ui::ControlId::NoteEditor, ui::ControlId::SaveName}) {
        auto& box = static_cast<Win32TextControl&>(window.control(id));
        box.setText("");
        box.setVisible(true);
        box.setFocus();
        keys.clear();
        press({'Z'});
        press({VK_RETURN});
        press({VK_CONTROL, VK_RETURN});
        press({VK_ESCAPE});
        window.processQueued();
        const bool multiLine = id == ui::ControlId::NoteEditor;
        EXPECT_EQ(box.text(), multiLine ? "z\r\n" : "z");
        ASSERT_EQ(keys.size(), multiLine ? 2u : 3u);
        if (!multiLine) EXPECT_TRUE(keys[0].plain(ui::Key::Enter));
        const ui::KeyPress& ctrlEnter = keys[keys.size() - 2];
        EXPECT_TRUE(ctrlEnter.key == ui::Key::Enter && ctrlEnter.ctrl);
        EXPECT_TRUE(keys.back().plain(ui::Key::Escape));
        box.setVisible(false);
    }

    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    ::SetCursorPos(300, 400);
    ::SendInput(4, clicks, sizeof(INPUT));
    ::Sleep(100);
    window.processQueued();
    EXPECT_EQ(doubled, (ui::Point{300, 400}));
}

// The virtual key names the key's Latin letter on every layout and whatever Caps Lock says;
// AltGr (which Windows reports as Ctrl and Alt) is neither.
TEST(Win32KeysTest, VirtualKeysAreTheProgramsKeys) {
    const KeyModifiers none{};
    const KeyModifiers altGr{false, true, true, true};
    const KeyModifiers ctrl{false, true, false, false};
    const KeyModifiers alt{false, false, true, false};
    EXPECT_TRUE(translateKey('Z', none).is('Z'));
    EXPECT_TRUE(translateKey('Z', altGr).is('Z'));  // "ż" on the Polish programmer's layout
    EXPECT_TRUE(translateKey('N', altGr).is('N'));  // "ń"
    EXPECT_TRUE(translateKey(VK_NUMPAD3, none).is('3'));
    EXPECT_TRUE(translateKey('1', none).is('1'));
    EXPECT_TRUE(translateKey('S', ctrl).withCtrl('S'));
    EXPECT_FALSE(translateKey('Z', ctrl).is('Z'));
    EXPECT_FALSE(translateKey('P', alt).is('P'));
    EXPECT_EQ(translateKey(VK_F1, none).key, ui::Key::None);
    EXPECT_EQ(translateKey(VK_OEM_COMMA, none).key, ui::Key::None);
    EXPECT_TRUE(translateKey(VK_RETURN, none).plain(ui::Key::Enter));
    EXPECT_TRUE(translateKey(VK_RETURN, ctrl).ctrl);
    EXPECT_TRUE(translateKey('Z', none, true).repeat);

    // The keyboard's state as read: right Alt with Ctrl is AltGr; Caps Lock changes nothing.
    BYTE saved[256];
    ASSERT_TRUE(::GetKeyboardState(saved));
    BYTE state[256]{};
    state[VK_CONTROL] = state[VK_MENU] = state[VK_RMENU] = 0x80;
    state[VK_CAPITAL] = 0x01;
    ASSERT_TRUE(::SetKeyboardState(state));
    const KeyModifiers read = currentModifiers();
    EXPECT_TRUE(read.altGr);
    EXPECT_TRUE(translateKey('Z', read).is('Z'));
    state[VK_MENU] = state[VK_RMENU] = 0;
    ::SetKeyboardState(state);
    EXPECT_TRUE(translateKey('Z', currentModifiers()).withCtrl('Z'));
    ::SetKeyboardState(saved);
}

TEST_F(WindowTest, TheSystemsCloseAsksTheProgramUntilItQuits) {
    int asked = 0;
    window.setCloseHandler([&] { ++asked; });
    window.showAt({0, 0, 1024, 768});
    ::SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(::IsWindow(window.handle()));
    EXPECT_TRUE(window.processQueued());
    window.quit();
    EXPECT_FALSE(window.processQueued());
}

// Keys arrive before the box shows: they wait in the queue, as a user's would.
int answerWithKeys(const DialogRequest& request, std::initializer_list<WPARAM> keys) {
    for (WPARAM key : keys) ::PostThreadMessageW(::GetCurrentThreadId(), WM_KEYDOWN, key, 0);
    return showProgramDialog(nullptr, request);
}

TEST(ProgramDialogTest, EnterTakesTheFirstAnswerEscapeOnlyTheWayBack) {
    const DialogRequest twoWay{L"Pytanie", L"Tekst", {L"Tak", L"Nie"}, -1, true};
    EXPECT_EQ(answerWithKeys(twoWay, {VK_ESCAPE, VK_RETURN}), 0);
    EXPECT_EQ(answerWithKeys(twoWay, {VK_TAB, VK_RETURN}), 1);
    const DialogRequest threeWay{L"Pytanie", L"Tekst", {L"Zapisz", L"Nie zapisuj", L"Anuluj"}, 2,
                                 true};
    EXPECT_EQ(answerWithKeys(threeWay, {VK_ESCAPE}), 2);
    EXPECT_EQ(answerWithKeys(threeWay, {VK_RIGHT, VK_RETURN}), 1);
    const DialogRequest message{L"Zapisano", L"Badanie zostało zapisane.", {L"OK"}, 0, false};
    EXPECT_EQ(answerWithKeys(message, {VK_ESCAPE}), 0);
}

// Escape gives the answer that changes nothing, the first or the second; Enter the first.
TEST_F(WindowTest, AQuestionsEscapeGivesTheAnswerThatChangesNothing) {
    const auto askWith = [&](WPARAM key, ui::Answer escape) {
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_KEYDOWN, key, 0);
        return window.ask("Pytanie", "Tekst", "Tak", "Nie", escape);
    };
    EXPECT_TRUE(askWith(VK_RETURN, ui::Answer::Second));
    EXPECT_FALSE(askWith(VK_ESCAPE, ui::Answer::Second));
    EXPECT_TRUE(askWith(VK_ESCAPE, ui::Answer::First));
}

}  // namespace
}  // namespace lun4::platform
