#pragma once
// The toolkit's own words and windows made the program's: Qt's Polish translations (the
// right-click menu of every box, the print and file dialogs, the standard buttons), and
// message boxes and dialogs in the program's fonts and colours, without icons on their
// buttons.

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace lun4::platform {

// Loads Qt's own Polish translations (Debian's qt6-translations-l10n) and makes Polish the
// default locale. False when the translations are not installed: the toolkit's texts then
// stay English, and everything else works.
bool installPolishTranslations(QCoreApplication& app);

// The program's style, font, colours and dialog look for the whole application.
void applyProgramLook(QApplication& app);

// The program's style on `base` (Fusion when none): buttons carry their word, never a stock
// icon beside it, whatever the desktop asks for. The caller owns it; it owns `base`.
QStyle* makeProgramStyle(QStyle* base = nullptr);

// A message box as the program shows it: `caption` as its title and heading, `text` below,
// an optional picture beside them, buttons added by the caller. On a frame drawn at `scale`
// (1.4 at 1920x1080) its type, buttons and margins are as much larger.
void dressMessageBox(QMessageBox& box, const QString& caption, const QString& text,
                     double scale = 1.0);

// The badge of the program's questions: a "?" in the accent colour on a light teal disc.
QPixmap questionBadge(double scale = 1.0);

// A problem that stops the start, before the window exists: the message, then OK.
void showStartProblem(const QString& caption, const QString& text);

}  // namespace lun4::platform
