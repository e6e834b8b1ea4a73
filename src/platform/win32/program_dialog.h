#pragma once
// The program's own message box, in Polish whatever the system's language, in the program's
// font and colours: the caption as a bold heading inside the box (a full-screen program may
// have no title bar over it), the text below, the answers as buttons, the first one (chosen by
// Enter) in the program's teal, the others in slate. Questions carry a "?" badge.

#include <windows.h>

#include <string>
#include <vector>

namespace lun4::platform {

struct DialogRequest {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> answers;  // left to right; the first is chosen by Enter
    int escapeAnswer = -1;              // chosen by Escape; -1 when Escape does nothing
    bool question = false;              // shows the badge
};

// Shows the box modally over `owner` (which may be null) and returns the index of the answer
// chosen.
int showProgramDialog(HWND owner, const DialogRequest& request);

// The About box (dialog 103 of the program's resources), modal over `owner`; `details` (where
// the examinee files are) is shown under its own text when not empty.
void showAboutBox(HWND owner, const std::wstring& details = {});

}  // namespace lun4::platform
