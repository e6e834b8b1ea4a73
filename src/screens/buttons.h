#pragma once
// Every skin button of the program at its home position. Screens move some of them before
// drawing; a button does not know its screen.

#include <array>
#include <memory>

#include "ui/skin_button.h"

namespace lun4 {

struct Buttons {
    explicit Buttons(ui::ImageSource& images);

    using B = ui::SkinButton;
    // File list (explicit images and sizes).
    B fileUp, fileDown, fileClose, fileDelete, fileOpen;
    // Dialogs and print menu.
    B cancel;                                // "Data\BMP\anuluj"
    std::array<std::unique_ptr<B>, 3> next;  // "Data\dalej" first, second, third
    B print, preview, yes, no,
        aids;          // "Data\drukuj", "Data\podglad", "Data\tak", "Data\nie", "Data\pomoce"
    B scoresSheet;     // "Data\arkusz": the scores as a sheet, on the print menu
    B saveForEditing;  // "Data\do_edycji": the report as an editable document
    // The comparison with an earlier assessment: on the print menu, its list of assessments
    // ("Data\u", "Data\d", "Data\zamknij", "Data\porownaj") and its sheet in the preview.
    B compare;  // "Data\porownanie"
    B compareUp, compareDown, compareClose, compareChoose;
    B comparisonSheet;  // "Data\porownanie_csv"
    B reassess;         // "Data\nowe_osoba": a new assessment of the person in memory
    // Item page.
    B green, yellow, red, key, advice;  // "Data\BMP\green" ... "klucz", "porady"
    // Entry screen and main menu.
    B enter;                                            // "Data\BMP\wej"
    B newRecord, printMenu;                             // "Data\BMP\nowe", "Data\BMP\drukuj"
    std::array<std::unique_ptr<B>, 3> area;             // "Data\BMP\obszar1..3"
    std::array<std::unique_ptr<B>, 3> areaDescription;  // "Data\BMP\opis_o1..3"
    B save, open, editData, quit;                       // "zapisz", "wczytaj", "edycja", "zakoncz"
    // Shared navigation.
    B previous, nextPage, back;  // "poprzednie", "nastepne", "powrot"
    B nextItem, previousItem;    // "prawo", "lewo"
    B ok;                        // "Data\BMP\ok"
    B editRecommendation;        // "Data\BMP\edycja_zad"
    // Made at window creation.
    std::array<std::unique_ptr<B>, 6> scale;       // "Data\BMP\1".."6"
    std::array<std::unique_ptr<B>, 12> item;       // "Data\BMP\przycisk"
    std::array<std::unique_ptr<B>, 12> indicator;  // "Data\BMP\but_w.bmp"
};

}  // namespace lun4
