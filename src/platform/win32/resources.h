#pragma once
// Identifiers of the program's resources (lun4.rc).

#define LUN4_ICON 130
#define LUN4_ABOUT_DIALOG 103
#define LUN4_ABOUT_COMMAND 104

#ifdef __cplusplus
namespace lun4::platform {
inline constexpr int kIcon = LUN4_ICON;
inline constexpr int kAboutDialog = LUN4_ABOUT_DIALOG;
// The command the About accelerators (Alt+"?", Alt+"/") send.
inline constexpr int kAboutCommand = LUN4_ABOUT_COMMAND;
}  // namespace lun4::platform
#endif
