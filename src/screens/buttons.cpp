#include "screens/buttons.h"

namespace lun4 {

Buttons::Buttons(ui::ImageSource& im)
    : fileUp(im, 380, 255, 23, 36, "Data\\u_p.bmp", "Data/u_n.bmp", "Data/u_o.bmp"),
      fileDown(im, 380, 550, 23, 36, "Data\\d_p.bmp", "Data/d_n.bmp", "Data/d_o.bmp"),
      fileClose(im, 428, 564, 197, 41, "Data\\zamknij_p.bmp", "Data\\zamknij_n.bmp",
                "Data\\zamknij_o.bmp"),
      fileDelete(im, 428, 513, 197, 41, "Data\\usun_p.bmp", "Data\\usun_n.bmp", "Data\\usun_o.bmp"),
      fileOpen(im, 428, 461, 197, 41, "Data\\wczytaj_p.bmp", "Data\\wczytaj_n.bmp",
               "Data\\wczytaj_o.bmp"),
      cancel(im, 430, 395, "Data\\BMP\\anuluj"),
      print(im, 100, 100, "Data\\drukuj"),
      preview(im, 100, 100, "Data\\podglad"),
      yes(im, 100, 100, "Data\\tak"),
      no(im, 100, 100, "Data\\nie"),
      aids(im, 100, 100, "Data\\pomoce"),
      scoresSheet(im, 690, 598, "Data\\arkusz"),
      saveForEditing(im, 395, 695, "Data\\do_edycji"),
      compare(im, 590, 682, "Data\\porownanie"),
      compareUp(im, 852, 300, "Data\\u"),
      compareDown(im, 852, 552, "Data\\d"),
      compareClose(im, 145, 622, "Data\\zamknij"),
      compareChoose(im, 648, 622, "Data\\porownaj"),
      comparisonSheet(im, 395, 695, "Data\\porownanie_csv"),
      reassess(im, 426, 536, "Data\\nowe_osoba"),
      green(im, 864, 263, "Data\\BMP\\green"),
      yellow(im, 864, 368, "Data\\BMP\\yellow"),
      red(im, 864, 473, "Data\\BMP\\red"),
      key(im, 854, 136, "Data\\BMP\\klucz"),
      advice(im, 854, 186, "Data\\BMP\\porady"),
      enter(im, 344, 539, "Data\\BMP\\wej"),
      newRecord(im, 139, 120, "Data\\BMP\\nowe"),
      printMenu(im, 643, 601, "Data\\BMP\\drukuj"),
      save(im, 350, 120, "Data\\BMP\\zapisz"),
      open(im, 139, 171, "Data\\BMP\\wczytaj"),
      editData(im, 350, 171, "Data\\BMP\\edycja"),
      quit(im, 809, 18, "Data\\BMP\\zakoncz"),
      previous(im, 458, 676, "Data\\BMP\\poprzednie"),
      nextPage(im, 665, 676, "Data\\BMP\\nastepne"),
      back(im, 77, 676, "Data\\BMP\\powrot"),
      nextItem(im, 884, 19, "Data\\BMP\\prawo"),
      previousItem(im, 787, 19, "Data\\BMP\\lewo"),
      ok(im, 664, 657, "Data\\BMP\\ok"),
      editRecommendation(im, 635, 667, "Data\\BMP\\edycja_zad") {
    const int nextX[3] = {100, 300, 500};
    for (int i = 0; i < 3; ++i) next[i] = std::make_unique<B>(im, nextX[i], 100, "Data\\dalej");
    const int areaX[3] = {112, 386, 657};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        area[i] = std::make_unique<B>(im, areaX[i], 250, "Data\\BMP\\obszar" + n);
        areaDescription[i] = std::make_unique<B>(im, areaX[i], 519, "Data\\BMP\\opis_o" + n);
    }
    for (int i = 0; i < 6; ++i) {
        scale[i] = std::make_unique<B>(im, 100 + 295 * (i % 3), 140 + 254 * (i / 3),
                                       "Data\\BMP\\" + std::to_string(i + 1));
    }
    for (int i = 0; i < 12; ++i) {
        item[i] = std::make_unique<B>(im, 122, 67 + 49 * i, "Data\\BMP\\przycisk");
        indicator[i] =
            std::make_unique<B>(im, 755, 72 + 49 * i, "Data\\BMP\\but_w.bmp", B::SingleImage{});
    }
}

}  // namespace lun4
