#pragma once
// Where the program puts each picture, and the sizes chosen for the pictures so that they
// fit those places. The positions are the program's; the sizes are ours.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace datagen::layout {

inline constexpr QSize kScreen{1024, 768};

// Button sizes. "ok", "anuluj", "tak" and "nie" share one size: on the exit question
// "tak", "nie" and "anuluj" stand 102 px apart.
inline constexpr QSize kDialogButton{92, 40};
inline constexpr QSize kEnter{336, 56};
inline constexpr QSize kMenuButton{200, 44};       // nowe, zapisz, wczytaj, edycja
inline constexpr QSize kAreaTile{255, 250};        // obszar1..3
inline constexpr QSize kAreaInfo{255, 44};         // opis_o1..3
inline constexpr QSize kPrintMenuButton{270, 48};  // Data/BMP/drukuj
inline constexpr QSize kQuit{190, 44};
inline constexpr QSize kScaleTile{235, 220};  // 1..6
inline constexpr QSize kBack{160, 44};        // powrot: 175 px before "podglad" on previews
inline constexpr QSize kPageStep{180, 44};    // poprzednie, nastepne
inline constexpr QSize kItemRow{625, 44};     // przycisk
inline constexpr QSize kIndicator{36, 36};
inline constexpr QSize kScore{110, 90};           // green, yellow, red
inline constexpr QSize kHelpButton{150, 42};      // klucz, porady
inline constexpr QSize kRecommendation{180, 44};  // edycja_zad
inline constexpr QSize kItemStep{90, 42};         // lewo, prawo
inline constexpr QSize kOpenDocument{150, 44};    // Data/dalej
inline constexpr QSize kAids{170, 44};            // Data/pomoce
inline constexpr QSize kPreviewButton{160, 44};   // Data/podglad, Data/drukuj
inline constexpr QSize kSaveForEditing{150, 44};  // Data/do_edycji: 15 px from its neighbours
inline constexpr QSize kScoresSheet{230, 44};     // Data/arkusz
inline constexpr QSize kCompareButton{330, 44};   // Data/porownanie, on the print menu
inline constexpr QSize kReassess{260, 44};        // Data/nowe_osoba, on the new-record question
inline constexpr QSize kCompareSheet{150, 44};    // Data/porownanie_csv: where do_edycji stands
inline constexpr QSize kListArrow{23, 36};        // fixed by the program
inline constexpr QSize kListButton{197, 41};      // fixed by the program

// Main menu buttons.
inline constexpr QPoint kNew{139, 120}, kSave{350, 120}, kOpen{139, 171}, kEditData{350, 171};
inline constexpr QPoint kAreaX[3] = {{112, 250}, {386, 250}, {657, 250}};
inline constexpr QPoint kAreaInfoAt[3] = {{112, 519}, {386, 519}, {657, 519}};
inline constexpr QPoint kPrintMenu{643, 601}, kQuitAt{809, 18}, kEnterAt{344, 539};

// The examinee name box the program writes on the main menu and most file screens.
inline constexpr QRect kNameText{670, 175, 180, 15};
inline constexpr QRect kDateText{710, 150, 140, 20};
inline constexpr QRect kNamePanel{600, 139, 266, 58};
// The main menu's panel has a third line: the program writes "Ocenione: N ze 168" into
// kScoredText and a bar into kScoredBar.
inline constexpr QRect kMainNamePanel{600, 139, 266, 86};
inline constexpr QRect kScoredText{612, 202, 158, 16};
inline constexpr QRect kScoredBar{772, 207, 80, 6};

// Area menus: title centred in this strip, six scale buttons, back at the bottom.
inline constexpr QRect kAreaTitle{219, 71, 556, 23};
inline constexpr QPoint kScaleAt[6] = {{100, 140}, {395, 140}, {690, 140},
                                       {100, 394}, {395, 394}, {690, 394}};
inline constexpr QPoint kBackAt{77, 676}, kPreviousAt{458, 676}, kNextAt{665, 676};

// Item lists.
inline constexpr QRect kListTitle{161, 18, 672, 28};
inline constexpr QPoint kScaleHeadingAt{845, 86};
inline constexpr QSize kScaleHeading{160, 150};
inline constexpr int kRowX = 122, kIndicatorX = 755;
inline constexpr int rowY12(int i) {
    return 67 + 49 * i;
}
inline constexpr int rowY8(int i) {
    return 80 + 70 * i;
}

// Item page.
inline constexpr QRect kTaskPage{40, 150, 790, 470};
inline constexpr QPoint kItemBackAt{794, 67}, kNextItemAt{884, 19}, kPreviousItemAt{787, 19};
inline constexpr QPoint kKeyAt{854, 136}, kAdviceAt{854, 186}, kRecommendationAt{635, 667};
inline constexpr QPoint kScorePanelAt{851, 250};
inline constexpr QSize kScorePanel{136, 326};
inline constexpr QPoint kScoreAt[3] = {{864, 263}, {864, 368}, {864, 473}};

// The keys each screen takes: a line under the item page's task page (the note editor and the
// key and advice pages put theirs there too), a card under the item lists' legend, a line
// above the main menu's tagline and right of the area menus' back.
inline constexpr QPoint kItemHintAt{40, 726};
inline constexpr QSize kItemHint{790, 26};
inline constexpr QPoint kListHintAt{845, 418};
inline constexpr QSize kListHint{160, 150};
inline constexpr QPoint kMenuHintAt{40, 674};
inline constexpr QSize kMenuHint{944, 26};
inline constexpr QPoint kAreaHintAt{280, 685};
inline constexpr QSize kAreaHint{704, 26};

// Key, advice and recommendation panels over the item page.
inline constexpr QPoint kHelpPanelAt{43, 178};
inline constexpr QSize kHelpPanel{780, 536};          // covers the item page's "Wskazania" button
inline constexpr QRect kHelpPage{86, 249, 670, 396};  // the page images' own size
inline constexpr QRect kEditor{86, 249, 680, 380};
inline constexpr QPoint kSubPageOk{664, 657};
inline constexpr QPoint kEditorCancel{558, 657};  // the note editor's "Anuluj", left of OK

// Dialog pictures: where the program draws them and the buttons it moves onto them.
struct Dialog {
    QPoint at;
    QSize size;
};
// The new-record question also offers, below a line, a new assessment of the same person.
inline constexpr Dialog kNewRecordDialog{{302, 250}, {420, 350}};  // ok 594,400 cancel 444,400
inline constexpr Dialog kSaveDialog{{302, 250}, {460, 224}};       // ok 595,402 cancel 447,402
inline constexpr QRect kSaveName{335, 358, 387, 20};
inline constexpr Dialog kFileExistsDialog{{380, 323}, {418, 209}};  // ok 670,460 cancel 520,460
inline constexpr Dialog kDeleteDialog{{387, 315}, {411, 202}};      // ok 670,445 cancel 510,445
inline constexpr Dialog kInfoDialog{{287, 278}, {464, 206}};        // ok 470,410
inline constexpr Dialog kExitDialog{{287, 278},
                                    {487, 208}};  // tak 379, nie 481, anuluj 584 at y 412
// Below the examinee panel of the grey screen, which stays clear of it.
inline constexpr Dialog kAreaInfoDialog{{227, 212}, {594, 438}};  // ok 475,581
inline constexpr QRect kAreaInfoPage{285, 291, 472, 270};
inline constexpr Dialog kFileListDialog{{175, 167}, {541, 466}};
// The print menu's picture reaches down to a band in which the program writes how complete
// the assessment is (from y 580) and which holds the scores sheet and comparison buttons.
inline constexpr Dialog kPrintDialog{{94, 172}, {862, 572}};

inline constexpr QPoint kNewRecordOk{594, 400}, kNewRecordCancel{444, 400};
inline constexpr QPoint kReassessAt{426, 536};
inline constexpr int kReassessLine = 458;  // the line between the two questions
inline constexpr QPoint kSaveOk{595, 402}, kSaveCancel{447, 402};
inline constexpr QPoint kFileExistsOk{670, 460}, kFileExistsCancel{520, 460};
inline constexpr QPoint kDeleteOk{670, 445}, kDeleteCancel{510, 445};
inline constexpr QPoint kInfoOk{470, 410};
inline constexpr QPoint kExitYes{379, 412}, kExitNo{481, 412}, kExitCancel{584, 412};
inline constexpr QPoint kAreaInfoOk{475, 581};
// The delete question: the program writes "Usunąć plik „…”?" into kDeleteQuestion; the
// warning stands under it.
inline constexpr QRect kDeleteQuestion{477, 372, 286, 44};

// File list.
inline constexpr int kFileRowX = 225, kFileRowY = 257, kFileRowHeight = 20, kFileRows = 16;
inline constexpr QRect kFileListBox{219, 253, 159, 328};
inline constexpr QRect kPreviewDate{459, 274, 140, 20};
inline constexpr QRect kPreviewFirstName{459, 355, 140, 20};
inline constexpr QRect kPreviewSurname{459, 385, 140, 20};
inline constexpr QPoint kListUp{380, 255}, kListDown{380, 550};
inline constexpr QPoint kListOpen{428, 461}, kListDelete{428, 513}, kListClose{428, 564};

// Print menu.
inline constexpr QPoint kOpenDocumentAt[3] = {{185, 490}, {445, 490}, {715, 490}};
inline constexpr QPoint kAidsAt{120, 195}, kPrintBackAt{760, 195};
inline constexpr QPoint kScoresSheetAt{690, 598};
inline constexpr QPoint kCompareAt{590, 682};
inline constexpr int kPrintBandTop = 564;  // the band below the three documents

// The comparison's list of assessments: rows of 24 pixels with the date, the person and the
// file, arrows in a track to the right, "Zamknij" and "Porównaj" below.
inline constexpr Dialog kCompareListDialog{{120, 205}, {790, 495}};
inline constexpr QRect kCompareListBox{145, 300, 700, 288};
inline constexpr int kCompareDateX = 152, kCompareNameX = 282, kCompareFileX = 562;
inline constexpr QPoint kCompareUp{852, 300}, kCompareDown{852, 552};
inline constexpr QPoint kCompareClose{145, 622}, kCompareChoose{648, 622};

// Settings screen: four cards, the folder's field (the program writes the path into it and a
// note under it), the four controls the program lays over the fields, the buttons.
inline constexpr QRect kSettingsFolderCard{40, 98, 944, 162};
inline constexpr QRect kSettingsFolderBox{60, 142, 904, 30};
inline constexpr QPoint kSettingsFolderChoose{60, 208}, kSettingsFolderDefault{296, 208};
inline constexpr QSize kSettingsButton{220, 40};
inline constexpr QRect kSettingsCoverCard{40, 274, 944, 150};
inline constexpr QRect kSettingsInstitution{60, 330, 560, 56};
inline constexpr QRect kSettingsPlace{660, 330, 304, 22};
inline constexpr QRect kSettingsRecordCard{40, 438, 944, 88};
inline constexpr QRect kSettingsDiagnostician{60, 490, 440, 22};
inline constexpr QRect kSettingsPermit{540, 490, 240, 22};
inline constexpr QRect kSettingsBackupCard{40, 540, 944, 110};
inline constexpr QPoint kSettingsBackup{60, 582}, kSettingsRestore{306, 582};
inline constexpr QSize kBackupButton{230, 44};
inline constexpr QPoint kSettingsOk{872, 690}, kSettingsCancel{770, 690};
// The restore list: a card over the grey screen, rows of 24 pixels, arrows on the right.
inline constexpr Dialog kRestoreDialog{{92, 110}, {840, 562}};
inline constexpr QRect kRestoreListBox{116, 232, 746, 312};
inline constexpr QPoint kRestoreUp{868, 232}, kRestoreDown{868, 508};
inline constexpr QPoint kRestoreFiles{672, 604}, kRestoreCancel{122, 608};

// Data form: the sixteen controls' rectangles that the picture must frame.
inline constexpr QRect kFullName{280, 94, 232, 20};
inline constexpr QRect kBirthDate{712, 94, 232, 20};
inline constexpr QRect kExamDate{712, 135, 232, 20};
inline constexpr QRect kHomeAddress{90, 202, 410, 72};
inline constexpr QRect kContacts{548, 202, 380, 72};
inline constexpr QRect kFacility{90, 326, 843, 69};
inline constexpr QRect kSiblings{90, 448, 400, 60};
inline constexpr QRect kGuardians{548, 448, 370, 60};
inline constexpr QRect kAdditional{90, 560, 843, 60};
inline constexpr QRect kDiagnostician{286, 644, 232, 20};
inline constexpr QRect kPermit{702, 644, 232, 20};
inline constexpr QRect kMaleBox{200, 140, 13, 13};
inline constexpr QRect kFemaleBox{400, 140, 13, 13};
inline constexpr QPoint kFormOk{465, 705};

// Document previews. The background's band holds the title strip at (375, 2..3) and the
// white page label in (821..948, 26..44); the sheet below it holds the page: the chart
// pages (x 50..969, y 105..589), the summary form (50..950 x 70..630), the report
// (50..950 x 100..600) and the aids (100..900 x 80..640); buttons stand at y 695.
inline constexpr int kPreviewBandHeight = 52;
inline constexpr QRect kPreviewSheet{36, 60, 952, 600};
inline constexpr QSize kTitleStrip{300, 40};   // opisF, opisE, opisP
inline constexpr QSize kViewCaption{240, 24};  // view, at (750, 20) above "Powrót" at (790, 45)
// The logo is printed at (850, 610) on the chart, whose header block is printed from x 47 to
// 977, and at (780, 30) and (780, 50) on the summary form.
inline constexpr QSize kLogo{124, 56};

// Aids viewer shows 800 x 560 of each picture.
inline constexpr QSize kAidPicture{800, 560};

}  // namespace datagen::layout
