// Mock screens: the generated pictures put together the way the program composes its
// screens, with sample texts in the program's fonts. Only for looking at the style.

#include <QDir>
#include <QFontMetrics>
#include <QImageReader>

#include "art.h"
#include "layout.h"
#include "model/catalogue.h"

namespace datagen {
namespace {

using namespace layout;

// The program's fonts are given as cell heights (ascent + descent).
QFont cellFont(int cell, bool bold, bool tahomaFace = false) {
    for (int px = cell; px > 4; --px) {
        QFont f = tahomaFace ? tahoma(px, bold) : sans(px, bold);
        QFontMetrics m(f);
        if (m.ascent() + m.descent() <= cell) return f;
    }
    return sans(cell, bold);
}

class Screen {
  public:
    explicit Screen(const Output& out) : out_(out), image_(blank(kScreen, Qt::black)) {}
    void put(const QString& file, QPoint at) {
        QPainter p(&image_);
        p.drawImage(at, out_.image(file));
    }
    void putPage(const QString& file, QPoint at, QSize clip) {
        QImageReader reader(file);
        reader.setFormat("jpeg");
        const QImage page = reader.read();
        QPainter p(&image_);
        p.drawImage(at, page.copy(QRect(QPoint(0, 0), clip).intersected(page.rect())));
    }
    void button(const QString& base, QPoint at, int state = 0) {
        static const char* kSuffix[3] = {"_n.bmp", "_o.bmp", "_p.bmp"};
        put(base + QLatin1String(kSuffix[state]), at);
    }
    // Text as the program writes it: single line centred, or wrapped from the top.
    void write(const QRect& r, const QString& s, const QFont& f, const QColor& c, bool wrap = false,
               bool centre = true) {
        QPainter p(&image_);
        p.setFont(f);
        p.setPen(c);
        p.setClipRect(r);
        const QFontMetrics m(f);
        QStringList lines;
        if (!wrap || m.horizontalAdvance(s) <= r.width()) {
            lines << s;
        } else {
            QString line;
            for (const QString& w : s.split(QChar(' '))) {
                const QString next = line.isEmpty() ? w : line + QChar(' ') + w;
                if (!line.isEmpty() && m.horizontalAdvance(next) > r.width()) {
                    lines << line;
                    line = w;
                } else {
                    line = next;
                }
            }
            lines << line;
        }
        const int lh = m.ascent() + m.descent();
        int y = wrap && lines.size() > 1 ? r.top() : r.top() + (r.height() - lh) / 2;
        for (const QString& l : lines) {
            const int x = centre ? r.left() + (r.width() - m.horizontalAdvance(l)) / 2 : r.left();
            p.drawText(QPoint(x, y + m.ascent()), l);
            y += lh;
        }
    }
    void nameBox() {
        const QFont f = cellFont(16, true);
        write(kDateText, QStringLiteral("14.03.2025"), f, Qt::black, false, false);
        write(kNameText, QStringLiteral("Jan Kowalski"), f, Qt::black, false, false);
    }
    QImage& image() { return image_; }
    bool save(const QString& folder, const QString& name) const {
        return image_.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "png");
    }

  private:
    const Output& out_;
    QImage image_;
};

void itemList(Screen& s, int area, int scale) {
    s.put("Data/BMP/tlo_zad.bmp", {0, 0});
    s.put(QStringLiteral("Data/BMP/n_%1.bmp").arg(scale + 1), kScaleHeadingAt);
    const QFont title = cellFont(22, true);
    s.write(QRect(162, 19, 671, 27), areaName(area), title, Qt::black);
    s.write(QRect(161, 18, 671, 27), areaName(area), title, Qt::red);
    const int rows = area == 0 ? 12 : 8;
    static const char kCodes[] = "gyrbbgbyrgbb";
    for (int i = 0; i < rows; ++i) {
        const int y = rows == 12 ? rowY12(i) : rowY8(i);
        const int k = lun4::itemNumber(lun4::areaAt(area), lun4::scaleAt(scale), i);
        s.button("Data/BMP/przycisk", QPoint(kRowX, y), i == 2 ? 1 : 0);
        const QString name = itemTitle(k);
        const bool wrap = name.size() > 65;
        const QFont f = cellFont(16, true);
        s.write(QRect(kRowX + 125, y + 5, kItemRow.width() - 133, kItemRow.height() - 6), name, f,
                Qt::black, wrap);
        s.write(QRect(kRowX + 123, y + 3, kItemRow.width() - 133, kItemRow.height() - 6), name, f,
                Qt::white, wrap);
        s.write(QRect(kRowX + 30, y + 11, 55, 17), QString::number(k), cellFont(18, true),
                Qt::black);
        const char code = kCodes[i];
        const char* file = code == 'g'   ? "but_g"
                           : code == 'y' ? "but_y"
                           : code == 'r' ? "but_r"
                                         : "but_w";
        s.put(QStringLiteral("Data/BMP/%1.bmp").arg(QLatin1String(file)),
              QPoint(kIndicatorX, y + 5));
    }
    if (scale > 0) s.button("Data/BMP/poprzednie", kPreviousAt);
    if (scale < 5) s.button("Data/BMP/nastepne", kNextAt);
    s.button("Data/BMP/powrot", kBackAt);
}

void itemPage(Screen& s, int k, char score, const QString& root) {
    s.put("Data/BMP/tlo_zad2.bmp", {0, 0});
    s.put("Data/BMP/podswiatelka.bmp", kScorePanelAt);
    const int area = lun4::indexOf(lun4::areaOf(k));
    const int scale = lun4::indexOf(lun4::scaleOf(k));
    s.write(QRect(167, 37, 522, 23), areaName(area).toUpper(), cellFont(22, true), Qt::red);
    s.write(QRect(167, 64, 522, 27), scaleTitle(scale), cellFont(22, true), QColor(204, 51, 153));
    s.write(QRect(95, 112, 678, 23), QStringLiteral("%1. %2").arg(k).arg(itemTitle(k)),
            cellFont(16, true), Qt::blue);
    s.button("Data/BMP/green", kScoreAt[0], score == 'g' ? 2 : 0);
    s.button("Data/BMP/yellow", kScoreAt[1], score == 'y' ? 2 : 0);
    s.button("Data/BMP/red", kScoreAt[2], score == 'r' ? 2 : 1);
    if (score == 'y' || score == 'r') s.button("Data/BMP/edycja_zad", kRecommendationAt);
    if (k < 74) s.button("Data/BMP/klucz", kKeyAt);
    if (k <= 45) s.button("Data/BMP/porady", kAdviceAt);
    s.button("Data/BMP/powrot", kItemBackAt);
    s.putPage(QStringLiteral("%1/Data/BMP/Zad/z%2.asd").arg(root).arg(k), kTaskPage.topLeft(),
              kTaskPage.size());
    if (k < 168) s.button("Data/BMP/prawo", kNextItemAt);
    if (k > 1) s.button("Data/BMP/lewo", kPreviousItemAt);
}

void dialog(Screen& s, const QString& picture, QPoint at,
            std::initializer_list<std::pair<const char*, QPoint>> buttons, bool name = true) {
    s.put(picture, at);
    for (const auto& b : buttons) s.button(QString::fromLatin1(b.first), b.second);
    if (name) s.nameBox();
}

}  // namespace

bool writeMockups(const Output& out, const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    // The pages are read back from the run folder just written.
    const QString root = out.root();
    bool ok = true;
    auto shot = [&](const QString& name, const std::function<void(Screen&)>& compose) {
        Screen s(out);
        compose(s);
        ok = s.save(folder, name) && ok;
    };
    shot("01_entry", [](Screen& s) {
        s.put("Data/BMP/entry.bmp", {0, 0});
        s.button("Data/BMP/wej", kEnterAt, 1);
    });
    shot("02_main_menu", [](Screen& s) {
        s.put("Data/BMP/tlo_glowne.bmp", {0, 0});
        s.button("Data/BMP/nowe", kNew, 1);
        s.button("Data/BMP/drukuj", kPrintMenu);
        for (int a = 0; a < 3; ++a) {
            s.button(QStringLiteral("Data/BMP/obszar%1").arg(a + 1), kAreaX[a], a == 1 ? 1 : 0);
            s.button(QStringLiteral("Data/BMP/opis_o%1").arg(a + 1), kAreaInfoAt[a]);
        }
        s.button("Data/BMP/zapisz", kSave);
        s.button("Data/BMP/wczytaj", kOpen, 2);
        s.button("Data/BMP/edycja", kEditData);
        s.button("Data/BMP/zakoncz", kQuitAt);
        s.nameBox();
        s.write(kScoredText, QStringLiteral("Ocenione: 120 ze 168"), cellFont(16, true),
                QColor(33, 45, 54), false, false);
    });
    shot("03_area_menu", [](Screen& s) {
        s.put("Data/BMP/tlo.bmp", {0, 0});
        const QFont title = cellFont(22, true);
        s.write(QRect(220, 72, 555, 22), areaName(1), title, Qt::black);
        s.write(QRect(219, 71, 555, 22), areaName(1), title, Qt::red);
        for (int i = 0; i < 6; ++i)
            s.button(QStringLiteral("Data/BMP/%1").arg(i + 1), kScaleAt[i], i == 4 ? 1 : 0);
        s.button("Data/BMP/powrot", kBackAt);
    });
    shot("04_list_12", [&](Screen& s) { itemList(s, 0, 2); });
    shot("05_list_8", [&](Screen& s) { itemList(s, 1, 3); });
    shot("06_item_page", [&](Screen& s) { itemPage(s, 1, 'y', root); });
    shot("07_item_page_home", [&](Screen& s) { itemPage(s, 73, 'b', root); });
    shot("08_key_page", [&](Screen& s) {
        itemPage(s, 73, 'g', root);
        s.put("Data/BMP/klucz.bmp", kHelpPanelAt);
        s.button("Data/BMP/ok", kSubPageOk);
        s.putPage(root + QStringLiteral("/Data/BMP/Klu/k73.asd"), kHelpPage.topLeft(),
                  QSize(793, 530));
    });
    shot("09_advice_page", [&](Screen& s) {
        itemPage(s, 45, 'b', root);
        s.put("Data/BMP/porady.bmp", kHelpPanelAt);
        s.button("Data/BMP/ok", kSubPageOk);
        s.putPage(root + QStringLiteral("/Data/BMP/Pom/p45.asd"), kHelpPage.topLeft(),
                  QSize(793, 530));
    });
    shot("10_editor", [&](Screen& s) {
        itemPage(s, 36, 'r', root);
        s.put("Data/BMP/wskazania_tlo.bmp", kHelpPanelAt);
        s.write(kEditor.adjusted(4, 2, -4, -2),
                QStringLiteral("Aranżowanie sytuacji sprzyjających samodzielnemu "
                               "rozpoczynaniu aktywności w wolnym czasie."),
                cellFont(18, false), Qt::black, true, false);
        s.button("Data/BMP/ok", kSubPageOk, 1);
    });
    shot("11_new_record", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/nowe_tlo.bmp", kNewRecordDialog.at,
               {{"Data/BMP/ok", kNewRecordOk},
                {"Data/BMP/anuluj", kNewRecordCancel},
                {"Data/nowe_osoba", kReassessAt}});
    });
    shot("12_save", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/zapisz_tlo.bmp", kSaveDialog.at,
               {{"Data/BMP/ok", kSaveOk}, {"Data/BMP/anuluj", kSaveCancel}});
        s.write(kSaveName.adjusted(3, 0, 0, 0), QStringLiteral("Kowalski_2025"), tahoma(13),
                Qt::black, false, false);
    });
    shot("13_file_exists", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/zapisz_tlo.bmp", kSaveDialog.at,
               {{"Data/BMP/ok", kSaveOk}, {"Data/BMP/anuluj", kSaveCancel}});
        dialog(s, "Data/plik_istnieje.bmp", kFileExistsDialog.at,
               {{"Data/BMP/ok", kFileExistsOk}, {"Data/BMP/anuluj", kFileExistsCancel}});
    });
    shot("14_saved", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/zapisalem.bmp", kInfoDialog.at, {{"Data/BMP/ok", kInfoOk}});
    });
    auto fileList = [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        s.put("Data/otworz.bmp", kFileListDialog.at);
        const QFont f = cellFont(18, true, true);
        const char* names[] = {"Kowalski_2025.pcn", "Nowak Anna.pcn", "Wiśniewska.pcn",
                               "Zieliński_T.pcn"};
        for (int i = 0; i < 4; ++i) {
            const QString n = QString::fromUtf8(names[i]).left(15);
            const QRect r(kFileRowX, kFileRowY + kFileRowHeight * i,
                          QFontMetrics(f).horizontalAdvance(n),
                          QFontMetrics(f).ascent() + QFontMetrics(f).descent());
            s.write(r, n, f, Qt::black, false, false);
        }
        s.write(kPreviewDate, QStringLiteral("14.03.2025"), f, Qt::black);
        s.write(kPreviewFirstName, QStringLiteral("Jan"), f, Qt::black);
        s.write(kPreviewSurname, QStringLiteral("Kowalski"), f, Qt::black);
        s.button("Data/u", kListUp);
        s.button("Data/d", kListDown, 1);
        s.button("Data/wczytaj", kListOpen, 1);
        s.button("Data/usun", kListDelete);
        s.button("Data/zamknij", kListClose);
        s.nameBox();
    };
    shot("15_file_list", fileList);
    shot("16_delete", [&](Screen& s) {
        fileList(s);
        dialog(s, "Data/czyusunac.bmp", kDeleteDialog.at,
               {{"Data/BMP/ok", kDeleteOk}, {"Data/BMP/anuluj", kDeleteCancel}});
    });
    shot("17_wrong_format", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/zlyformat.bmp", kInfoDialog.at, {{"Data/BMP/ok", kInfoOk}}, false);
    });
    shot("18_exit", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/zapisac.bmp", kExitDialog.at,
               {{"Data/tak", kExitYes}, {"Data/nie", kExitNo}, {"Data/BMP/anuluj", kExitCancel}});
    });
    shot("19_area_description", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        s.put("Data/opisO.bmp", kAreaInfoDialog.at);
        s.put("Data/opis2.bmp", kAreaInfoPage.topLeft());
        s.button("Data/BMP/ok", kAreaInfoOk);
        s.nameBox();
    });
    shot("20_print_menu", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/druk.bmp", kPrintDialog.at,
               {{"Data/dalej", kOpenDocumentAt[0]},
                {"Data/dalej", kOpenDocumentAt[1]},
                {"Data/dalej", kOpenDocumentAt[2]},
                {"Data/pomoce", kAidsAt},
                {"Data/BMP/powrot", kPrintBackAt},
                {"Data/arkusz", kScoresSheetAt},
                {"Data/porownanie", kCompareAt}},
               false);
    });
    shot("22_comparison_list", [](Screen& s) {
        s.put("Data/tlo_gray.bmp", {0, 0});
        dialog(s, "Data/porownanie_lista.bmp", kCompareListDialog.at,
               {{"Data/d", kCompareDown},
                {"Data/zamknij", kCompareClose},
                {"Data/porownaj", kCompareChoose}});
        const QFont f = cellFont(16, false);
        struct Row {
            const char *date, *name, *file;
        };
        const Row rows[] = {{"03.10.2025", "Jan Kowalski", "Kowalski Jan 03.10.2025.pcn"},
                            {"12.05.2025", "Jan Kowalski", "Kowalski Jan.pcn"},
                            {"", "", ""},
                            {"14.03.2025", "Anna Nowak", "Nowak Anna.pcn"}};
        for (int i = 0; i < 4; ++i) {
            const int y = kCompareListBox.top() + 24 * i;
            const QColor ink = i == 0 ? QColor(Qt::white) : QColor(Qt::black);
            if (i == 0) {
                QPainter(&s.image())
                    .fillRect(QRect(kCompareListBox.left() + 1, y, kCompareListBox.width() - 2, 24),
                              QColor(60, 147, 173));
            }
            if (i == 2) {
                s.write(QRect(kCompareDateX, y, 200, 24), QStringLiteral("Inne osoby"),
                        cellFont(16, true), QColor(90, 104, 116), false, false);
                continue;
            }
            s.write(QRect(kCompareDateX, y, 120, 24), QString::fromUtf8(rows[i].date), f, ink,
                    false, false);
            s.write(QRect(kCompareNameX, y, 270, 24), QString::fromUtf8(rows[i].name), f, ink,
                    false, false);
            s.write(QRect(kCompareFileX, y, 270, 24), QString::fromUtf8(rows[i].file), f,
                    i == 0 ? ink : QColor(90, 104, 116), false, false);
        }
    });
    shot("21_data_form", [](Screen& s) {
        s.put("Data/edycja.bmp", {0, 0});
        const QFont f = cellFont(18, true);
        s.write(kFullName.adjusted(2, 0, 0, 0), QStringLiteral("Jan Kowalski"), f, Qt::black, false,
                false);
        s.write(kBirthDate.adjusted(2, 0, 0, 0), QStringLiteral("02.07.2006"), f, Qt::black, false,
                false);
        s.write(kExamDate.adjusted(2, 0, 0, 0), QStringLiteral("14.03.2025"), f, Qt::black, false,
                false);
        s.write(kHomeAddress.adjusted(2, 2, 0, 0), QStringLiteral("ul. Lipowa 5, 00-950 Warszawa"),
                f, Qt::black, true, false);
        s.button("Data/BMP/ok", kFormOk);
    });
    return ok;
}

}  // namespace datagen
