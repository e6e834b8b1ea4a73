#include "screens/data_files.h"

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "screens/assessment/item_screens.h"

namespace lun4 {
namespace {

using Kind = DataFileSet::Kind;

constexpr DataFileSet picture(std::string_view name) {
    return {name, Kind::Picture, 0, 0, {}, true, nullptr};
}
constexpr DataFileSet button(std::string_view name) {
    return {name, Kind::Button, 0, 0, {}, true, nullptr};
}
constexpr DataFileSet numbered(std::string_view name, int first, int last,
                               std::string_view suffix) {
    return {name, Kind::Numbered, first, last, suffix, true, nullptr};
}
constexpr DataFileSet buttons(std::string_view name, int first, int last) {
    return {name, Kind::NumberedButtons, first, last, {}, true, nullptr};
}
constexpr DataFileSet pages(std::string_view name, int last, bool (*hasNumber)(int) = nullptr) {
    return {name, Kind::Numbered, 1, last, ".asd", false, hasNumber};
}

// Grouped by the screens that draw them.
constexpr DataFileSet kSets[] = {
    // Entry screen, main menu, area menus.
    picture("Data/BMP/entry.bmp"),
    picture("Data/BMP/tlo_glowne.bmp"),
    picture("Data/BMP/tlo.bmp"),
    button("Data/BMP/wej"),
    button("Data/BMP/nowe"),
    button("Data/BMP/zapisz"),
    button("Data/BMP/wczytaj"),
    button("Data/BMP/edycja"),
    button("Data/BMP/drukuj"),
    button("Data/BMP/zakoncz"),
    buttons("Data/BMP/obszar", 1, 3),
    buttons("Data/BMP/opis_o", 1, 3),
    buttons("Data/BMP/", 1, 6),  // the six scales
    numbered("Data/BMP/n_", 1, 6, ".bmp"),
    button("Data/BMP/powrot"),
    button("Data/BMP/poprzednie"),
    button("Data/BMP/nastepne"),
    // What the keys do: main menu, area menus, item lists, item page, note editor, key and
    // advice pages.
    picture("Data/BMP/klawisze_menu.bmp"),
    picture("Data/BMP/klawisze_obszar.bmp"),
    picture("Data/BMP/klawisze_lista.bmp"),
    picture("Data/BMP/klawisze_zad.bmp"),
    picture("Data/BMP/klawisze_wskazania.bmp"),
    picture("Data/BMP/klawisze_strona.bmp"),
    // Item lists and item pages.
    button("Data/BMP/przycisk"),
    picture("Data/BMP/but_w.bmp"),
    picture("Data/BMP/but_g.bmp"),
    picture("Data/BMP/but_y.bmp"),
    picture("Data/BMP/but_r.bmp"),
    picture("Data/BMP/tlo_zad.bmp"),
    picture("Data/BMP/tlo_zad2.bmp"),
    picture("Data/BMP/podswiatelka.bmp"),
    button("Data/BMP/green"),
    button("Data/BMP/yellow"),
    button("Data/BMP/red"),
    button("Data/BMP/prawo"),
    button("Data/BMP/lewo"),
    button("Data/BMP/klucz"),
    button("Data/BMP/porady"),
    button("Data/BMP/edycja_zad"),
    button("Data/BMP/ok"),
    button("Data/BMP/anuluj"),
    // Key and advice pages, the recommendation editor, the data form.
    picture("Data/BMP/klucz.bmp"),
    picture("Data/BMP/porady.bmp"),
    picture("Data/BMP/wskazania_tlo.bmp"),
    picture("Data/edycja.bmp"),
    // File screens and the print menu.
    picture("Data/tlo_gray.bmp"),
    picture("Data/otworz.bmp"),
    button("Data/u"),
    button("Data/d"),
    button("Data/wczytaj"),
    button("Data/usun"),
    button("Data/zamknij"),
    picture("Data/nowe_tlo.bmp"),
    picture("Data/zapisz_tlo.bmp"),
    picture("Data/plik_istnieje.bmp"),
    picture("Data/zapisalem.bmp"),
    picture("Data/czyusunac.bmp"),
    picture("Data/usunalem.bmp"),
    picture("Data/wczytalem.bmp"),
    picture("Data/zlyformat.bmp"),
    picture("Data/opisO.bmp"),
    numbered("Data/opis", 1, 3, ".bmp"),
    picture("Data/zapisac.bmp"),
    button("Data/tak"),
    button("Data/nie"),
    picture("Data/druk.bmp"),
    button("Data/dalej"),
    button("Data/pomoce"),
    button("Data/arkusz"),
    button("Data/porownanie"),
    button("Data/nowe_osoba"),
    picture("Data/porownanie_lista.bmp"),
    button("Data/porownaj"),
    // The settings screen, backups and their restoring.
    button("Data/BMP/ustawienia"),
    picture("Data/ustawienia.bmp"),
    button("Data/folder_zmien"),
    button("Data/folder_domyslny"),
    button("Data/kopia"),
    button("Data/przywroc"),
    button("Data/przywroc_pliki"),
    picture("Data/kopia_lista.bmp"),
    // Previews, the documents and the aids.
    picture("Data/view.bmp"),
    picture("Data/skala1.bmp"),
    picture("Data/opisF.bmp"),
    picture("Data/opisE.bmp"),
    picture("Data/opisP.bmp"),
    picture("Data/logo.bmp"),
    button("Data/podglad"),
    button("Data/drukuj"),
    button("Data/do_edycji"),
    picture("Data/opisPor.bmp"),
    button("Data/porownanie_csv"),
    numbered("Pomoce/", 1, 17, ".jpg"),
    // Pages: each may be replaced by an institution; a missing one shows a note instead.
    pages("Data/BMP/Zad/z", kItemCount),
    pages("Data/BMP/Klu/k", 73),
    pages("Data/BMP/Pom/p", kItemCount, hasAdvicePage),
};

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

}  // namespace

std::span<const DataFileSet> dataFileSets() {
    return kSets;
}

std::vector<std::string> filesOf(const DataFileSet& set) {
    static constexpr std::string_view kStates[] = {"_n.bmp", "_o.bmp", "_p.bmp"};
    const std::string name(set.name);
    std::vector<std::string> files;
    switch (set.kind) {
        case Kind::Picture:
            files.push_back(name);
            break;
        case Kind::Button:
            for (std::string_view state : kStates) files.push_back(name + std::string(state));
            break;
        case Kind::Numbered:
            for (int k = set.first; k <= set.last; ++k) {
                if (set.hasNumber && !set.hasNumber(k)) continue;
                files.push_back(name + std::to_string(k) + std::string(set.suffix));
            }
            break;
        case Kind::NumberedButtons:
            for (int k = set.first; k <= set.last; ++k) {
                for (std::string_view state : kStates) {
                    files.push_back(name + std::to_string(k) + std::string(state));
                }
            }
            break;
    }
    return files;
}

std::vector<std::string> missingDataFiles(const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> missing;
    for (const DataFileSet& set : kSets) {
        if (!set.required) continue;
        for (std::string& file : filesOf(set)) {
            if (!exists(file)) missing.push_back(std::move(file));
        }
    }
    return missing;
}

StartProblem missingDataMessage(const std::vector<std::string>& missing, bool dataFolderMissing,
                                std::string_view runFolder) {
    const std::string folder = cp1250::fromUtf8Lossy(runFolder);
    const std::string origin = polish(
        "Folder „Data” z obrazami programu i folder „Pomoce” z obrazkami do zajęć tworzy "
        "polecenie scripts/build.sh (w folderze build/run, obok programu lun4). Uruchom "
        "program stamtąd, na przykład poleceniem scripts/run.sh, albo skopiuj oba foldery "
        "z kompletnej instalacji obok programu.");
    StartProblem problem;
    problem.caption = polish("LUN4_TORVA – brak plików programu");
    if (dataFolderMissing) {
        problem.text = polish(
                           "Nie można uruchomić programu: nie znaleziono folderu „Data” z "
                           "obrazami, bez których program nie może działać.\n\nProgram szukał "
                           "go w folderze, z którego go uruchomiono, i w swoim własnym "
                           "folderze:\n") +
                       folder + "\n\n" + origin;
        return problem;
    }
    const size_t count = missing.size();
    problem.text = polish("Nie można uruchomić programu: w jego folderze danych brakuje ") +
                   std::to_string(count) + polish(count == 1 ? " pliku" : " plików") +
                   polish(" z obrazami, bez których nie może działać:\n");
    for (size_t i = 0; i < count && i < kMissingFilesNamed; ++i) {
        problem.text += "    " + cp1250::fromUtf8Lossy(missing[i]) + "\n";
    }
    if (count > kMissingFilesNamed) {
        const size_t others = count - kMissingFilesNamed;
        problem.text += polish("    … i ") + std::to_string(others) +
                        polish(others == 1 ? " inny" : " innych") + "\n";
    }
    problem.text += polish("\nFolder programu: ") + folder + "\n\n" + origin;
    return problem;
}

}  // namespace lun4
