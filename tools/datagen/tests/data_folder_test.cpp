// The generated data folder as the program will read it: every file it loads is there in the
// format it expects, and the pictures fit the places where the program draws them.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QRect>
#include <QTemporaryDir>
#include <memory>

#include "generator.h"
#include "model/catalogue.h"
#include "screens/data_files.h"
#include "ui/fonts.h"
#include "ui/qt/qt_fonts.h"

namespace {

struct Bmp {
    bool ok = false;
    int width = 0, height = 0, bits = 0, compression = -1;
    qint64 fileSize = 0, declaredSize = 0;
};

quint32 le32(const QByteArray& b, int at) {
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

class DataFolder : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        QString error;
        generated_ = generateInto(dir_->path(), &error);
        EXPECT_TRUE(generated_) << error.toStdString();
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static bool generateInto(const QString& root, QString* error) {
        return datagen::generateDataFolder(root, error);
    }

    static QString path(const QString& relative) {
        return dir_->path() + QLatin1Char('/') + relative;
    }

    static Bmp bmp(const QString& relative) {
        Bmp out;
        QFile f(path(relative));
        if (!f.open(QIODevice::ReadOnly)) return out;
        const QByteArray b = f.readAll();
        if (b.size() < 54 || !b.startsWith("BM")) return out;
        out.fileSize = b.size();
        out.declaredSize = le32(b, 2);
        out.width = int(le32(b, 18));
        out.height = int(qint32(le32(b, 22)));
        out.bits = quint8(b[28]) | quint8(b[29]) << 8;
        out.compression = int(le32(b, 30));
        out.ok = le32(b, 10) == 54 && le32(b, 14) == 40;
        return out;
    }

    static QSize size(const QString& relative) {
        const Bmp b = bmp(relative);
        return QSize(b.width, b.height);
    }

    static QSize buttonSize(const QString& base) { return size(base + QStringLiteral("_n.bmp")); }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline bool generated_ = false;
};

// What the program loads, from the program's own table of its data files.
QStringList buttonBases() {
    QStringList bases;
    for (const lun4::DataFileSet& set : lun4::dataFileSets()) {
        const QString name = QString::fromUtf8(set.name.data(), qsizetype(set.name.size()));
        if (set.kind == lun4::DataFileSet::Kind::Button) bases << name;
        if (set.kind == lun4::DataFileSet::Kind::NumberedButtons) {
            for (int k = set.first; k <= set.last; ++k) bases << name + QString::number(k);
        }
    }
    return bases;
}

QStringList filesEndingIn(std::initializer_list<const char*> extensions) {
    QStringList files;
    for (const lun4::DataFileSet& set : lun4::dataFileSets()) {
        for (const std::string& file : lun4::filesOf(set)) {
            for (const char* extension : extensions) {
                if (file.ends_with(extension)) files << QString::fromStdString(file);
            }
        }
    }
    return files;
}

QStringList bitmapsLoaded() {
    // Data/main.bmp is written last, as the stamp of a complete folder.
    return filesEndingIn({".bmp"}) << QStringLiteral("Data/main.bmp");
}

QStringList pagesLoaded() {
    return filesEndingIn({".asd", ".jpg"});
}

TEST_F(DataFolder, EveryBitmapIsA24BitBottomUpWindowsBitmap) {
    ASSERT_TRUE(generated_);
    for (const QString& f : bitmapsLoaded()) {
        const Bmp b = bmp(f);
        ASSERT_TRUE(b.ok) << f.toStdString();
        EXPECT_EQ(b.bits, 24) << f.toStdString();
        EXPECT_EQ(b.compression, 0) << f.toStdString();
        EXPECT_GT(b.height, 0) << f.toStdString() << " is not bottom-up";
        const qint64 stride = (qint64(b.width) * 3 + 3) / 4 * 4;
        EXPECT_EQ(b.fileSize, 54 + stride * b.height) << f.toStdString();
        EXPECT_EQ(b.declaredSize, b.fileSize) << f.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("pacjenci")).isDir());
}

TEST_F(DataFolder, PagesAndAidsAreBaselineJpegsOfTheirSize) {
    ASSERT_TRUE(generated_);
    for (const QString& f : pagesLoaded()) {
        QFile file(path(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF\xE0")) << f.toStdString() << " is not JFIF";
        // Baseline (SOF0), not progressive (SOF2): entropy data never holds FF followed by C0 or
        // C2.
        EXPECT_TRUE(bytes.contains("\xFF\xC0")) << f.toStdString();
        EXPECT_FALSE(bytes.contains("\xFF\xC2")) << f.toStdString();
        file.close();
        QImageReader reader(path(f), "jpeg");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << f.toStdString();
        if (f.contains(QLatin1String("/Zad/"))) {
            EXPECT_EQ(image.size(), QSize(790, 470)) << f.toStdString();
        } else if (f.startsWith(QLatin1String("Pomoce"))) {
            EXPECT_EQ(image.size(), QSize(800, 560)) << f.toStdString();
        } else {
            // Key and advice pages are drawn at (86, 249) after the OK button at (664, 657),
            // so they must end above it, and within the panel.
            EXPECT_LT(249 + image.height(), 657) << f.toStdString();
            EXPECT_LE(86 + image.width(), 43 + size("Data/BMP/klucz.bmp").width())
                << f.toStdString();
        }
    }
}

TEST_F(DataFolder, SizesTheProgramFixesOrAssumes) {
    for (const char* f :
         {"Data/main.bmp", "Data/tlo_gray.bmp", "Data/BMP/entry.bmp", "Data/BMP/tlo_glowne.bmp",
          "Data/BMP/tlo.bmp", "Data/BMP/tlo_zad.bmp", "Data/BMP/tlo_zad2.bmp", "Data/edycja.bmp"}) {
        EXPECT_EQ(size(QLatin1String(f)), QSize(1024, 768)) << f;
    }
    for (const QString& base : buttonBases()) {
        const QSize normal = buttonSize(base);
        EXPECT_EQ(size(base + QStringLiteral("_o.bmp")), normal) << base.toStdString();
        EXPECT_EQ(size(base + QStringLiteral("_p.bmp")), normal) << base.toStdString();
    }
    // Explicit buttons: the program gives their size itself.
    for (const char* b : {"Data/u", "Data/d"})
        EXPECT_EQ(buttonSize(QLatin1String(b)), QSize(23, 36)) << b;
    for (const char* b : {"Data/zamknij", "Data/usun", "Data/wczytaj"}) {
        EXPECT_EQ(buttonSize(QLatin1String(b)), QSize(197, 41)) << b;
    }
    // One size for the dialog buttons.
    const QSize ok = buttonSize("Data/BMP/ok");
    for (const char* b : {"Data/BMP/anuluj", "Data/tak", "Data/nie"})
        EXPECT_EQ(buttonSize(QLatin1String(b)), ok) << b;
}

struct Placed {
    const char* base;
    QPoint at;
};

// Buttons the program moves onto a dialog picture must lie inside it with a margin.
TEST_F(DataFolder, DialogButtonsLieInsideTheirDialogs) {
    struct Case {
        const char* picture;
        QPoint at;
        std::vector<Placed> buttons;
    };
    const std::vector<Case> cases = {
        {"Data/nowe_tlo.bmp",
         {302, 250},
         {{"Data/BMP/ok", {594, 400}},
          {"Data/BMP/anuluj", {444, 400}},
          {"Data/nowe_osoba", {426, 536}}}},
        {"Data/zapisz_tlo.bmp",
         {302, 250},
         {{"Data/BMP/ok", {595, 402}}, {"Data/BMP/anuluj", {447, 402}}}},
        {"Data/plik_istnieje.bmp",
         {380, 323},
         {{"Data/BMP/ok", {670, 460}}, {"Data/BMP/anuluj", {520, 460}}}},
        {"Data/zapisalem.bmp", {287, 278}, {{"Data/BMP/ok", {470, 410}}}},
        {"Data/czyusunac.bmp",
         {387, 315},
         {{"Data/BMP/ok", {670, 445}}, {"Data/BMP/anuluj", {510, 445}}}},
        {"Data/usunalem.bmp", {287, 278}, {{"Data/BMP/ok", {470, 410}}}},
        {"Data/wczytalem.bmp", {287, 278}, {{"Data/BMP/ok", {470, 410}}}},
        {"Data/zlyformat.bmp", {287, 278}, {{"Data/BMP/ok", {470, 410}}}},
        {"Data/opisO.bmp", {227, 146}, {{"Data/BMP/ok", {475, 515}}}},
        {"Data/zapisac.bmp",
         {287, 278},
         {{"Data/BMP/anuluj", {584, 412}}, {"Data/tak", {379, 412}}, {"Data/nie", {481, 412}}}},
        {"Data/otworz.bmp",
         {175, 167},
         {{"Data/u", {380, 255}},
          {"Data/d", {380, 550}},
          {"Data/wczytaj", {428, 461}},
          {"Data/usun", {428, 513}},
          {"Data/zamknij", {428, 564}}}},
        {"Data/druk.bmp",
         {94, 172},
         {{"Data/dalej", {185, 490}},
          {"Data/dalej", {445, 490}},
          {"Data/dalej", {715, 490}},
          {"Data/pomoce", {120, 195}},
          {"Data/BMP/powrot", {760, 195}},
          {"Data/arkusz", {690, 598}},
          {"Data/porownanie", {590, 682}}}},
        {"Data/porownanie_lista.bmp",
         {120, 205},
         {{"Data/u", {852, 300}},
          {"Data/d", {852, 552}},
          {"Data/zamknij", {145, 622}},
          {"Data/porownaj", {648, 622}}}},
        {"Data/BMP/podswiatelka.bmp",
         {851, 250},
         {{"Data/BMP/green", {864, 263}},
          {"Data/BMP/yellow", {864, 368}},
          {"Data/BMP/red", {864, 473}}}},
        {"Data/BMP/klucz.bmp", {43, 178}, {{"Data/BMP/ok", {664, 657}}}},
        {"Data/BMP/wskazania_tlo.bmp", {43, 178}, {{"Data/BMP/ok", {664, 657}}}},
    };
    for (const Case& c : cases) {
        const QRect dialog(c.at, size(QLatin1String(c.picture)));
        EXPECT_TRUE(QRect(QPoint(0, 0), QSize(1024, 768)).contains(dialog)) << c.picture;
        for (const Placed& b : c.buttons) {
            const QRect button(b.at, buttonSize(QLatin1String(b.base)));
            EXPECT_TRUE(dialog.adjusted(8, 8, -8, -8).contains(button))
                << b.base << " on " << c.picture;
        }
    }
    // The recommendation editor and the opis page sit inside their frames.
    EXPECT_TRUE(QRect(QPoint(43, 178), size("Data/BMP/wskazania_tlo.bmp"))
                    .contains(QRect(86, 249, 680, 380)));
    EXPECT_TRUE(QRect(QPoint(227, 146), size("Data/opisO.bmp"))
                    .contains(QRect(QPoint(285, 225), size("Data/opis1.bmp"))));
}

// Buttons shown together on one screen neither overlap nor leave the screen.
TEST_F(DataFolder, ButtonsOfAScreenDoNotOverlap) {
    const std::vector<std::vector<Placed>> screens = {
        {{"Data/BMP/nowe", {139, 120}},
         {"Data/BMP/zapisz", {350, 120}},
         {"Data/BMP/wczytaj", {139, 171}},
         {"Data/BMP/edycja", {350, 171}},
         {"Data/BMP/obszar1", {112, 250}},
         {"Data/BMP/obszar2", {386, 250}},
         {"Data/BMP/obszar3", {657, 250}},
         {"Data/BMP/opis_o1", {112, 519}},
         {"Data/BMP/opis_o2", {386, 519}},
         {"Data/BMP/opis_o3", {657, 519}},
         {"Data/BMP/drukuj", {643, 601}},
         {"Data/BMP/zakoncz", {809, 18}}},
        {{"Data/BMP/1", {100, 140}},
         {"Data/BMP/2", {395, 140}},
         {"Data/BMP/3", {690, 140}},
         {"Data/BMP/4", {100, 394}},
         {"Data/BMP/5", {395, 394}},
         {"Data/BMP/6", {690, 394}},
         {"Data/BMP/powrot", {77, 676}}},
        {{"Data/BMP/powrot", {794, 67}},
         {"Data/BMP/prawo", {884, 19}},
         {"Data/BMP/lewo", {787, 19}},
         {"Data/BMP/klucz", {854, 136}},
         {"Data/BMP/porady", {854, 186}},
         {"Data/BMP/green", {864, 263}},
         {"Data/BMP/yellow", {864, 368}},
         {"Data/BMP/red", {864, 473}},
         {"Data/BMP/edycja_zad", {635, 667}}},
        {{"Data/BMP/powrot", {77, 676}},
         {"Data/BMP/poprzednie", {458, 676}},
         {"Data/BMP/nastepne", {665, 676}}},
        {{"Data/BMP/powrot", {45, 695}},
         {"Data/podglad", {220, 695}},
         {"Data/drukuj", {395, 695}},
         {"Data/BMP/poprzednie", {570, 695}},
         {"Data/BMP/nastepne", {770, 695}}},
        {{"Data/BMP/powrot", {45, 695}},
         {"Data/drukuj", {220, 695}},
         {"Data/BMP/poprzednie", {560, 695}},
         {"Data/BMP/nastepne", {770, 695}}},
        {{"Data/BMP/powrot", {45, 695}},
         {"Data/drukuj", {220, 695}},
         {"Data/porownanie_csv", {395, 695}},
         {"Data/BMP/poprzednie", {560, 695}},
         {"Data/BMP/nastepne", {770, 695}}},
        {{"Data/dalej", {185, 490}},
         {"Data/dalej", {445, 490}},
         {"Data/dalej", {715, 490}},
         {"Data/pomoce", {120, 195}},
         {"Data/BMP/powrot", {760, 195}},
         {"Data/arkusz", {690, 598}},
         {"Data/porownanie", {590, 682}}},
        {{"Data/BMP/ok", {594, 400}},
         {"Data/BMP/anuluj", {444, 400}},
         {"Data/nowe_osoba", {426, 536}}},
    };
    const QRect screen(0, 0, 1024, 768);
    for (const auto& buttons : screens) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            const QRect a(buttons[i].at, buttonSize(QLatin1String(buttons[i].base)));
            EXPECT_TRUE(screen.contains(a)) << buttons[i].base;
            for (size_t j = i + 1; j < buttons.size(); ++j) {
                const QRect b(buttons[j].at, buttonSize(QLatin1String(buttons[j].base)));
                EXPECT_FALSE(a.intersects(b)) << buttons[i].base << " and " << buttons[j].base;
            }
        }
    }
    // Twelve item rows 49 px apart, each with its score indicator at x 755.
    const QSize row = buttonSize("Data/BMP/przycisk");
    EXPECT_LT(row.height(), 49);
    EXPECT_LT(122 + row.width(), 755);
    EXPECT_LE(size("Data/BMP/but_w.bmp").height(), row.height() - 5);
}

// The previews draw the chart pages and the sheets over "Data/skala1.bmp", the title strips
// on its band and the page label, white with a black shadow, at the band's right end; the
// chart and the summary form carry the logo on paper.
TEST_F(DataFolder, PreviewPicturesFitWhereThePreviewsDrawThem) {
    ASSERT_TRUE(generated_);
    const QImage background(path("Data/skala1.bmp"));
    ASSERT_EQ(background.size(), QSize(1024, 768));
    auto everyPixel = [&](const QRect& r, auto test) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (!test(qGray(background.pixel(x, y)))) return false;
        return true;
    };
    // White label text needs a dark ground.
    EXPECT_TRUE(everyPixel(QRect(QPoint(821, 26), QPoint(947, 43)), [](int g) { return g < 110; }));
    // Texts the chart pages write straight onto the background need a light one: page 2's
    // graph titles and right level numbers, the summary and report pages' copies.
    // The comparison's pages are drawn whole over it, from x 40 to 984 and y 62 to 656.
    for (const QRect& r :
         {QRect(230, 160, 330, 24), QRect(710, 160, 260, 24), QRect(609, 324, 76, 188),
          QRect(50, 70, 900, 560), QRect(40, 62, 945, 595)}) {
        EXPECT_TRUE(everyPixel(r, [](int g) { return g > 225; }))
            << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
    // The title strips lie on the band without a seam, clear of the label and the page.
    for (const auto& [strip, y] :
         {std::pair{"Data/opisF.bmp", 3}, std::pair{"Data/opisE.bmp", 2},
          std::pair{"Data/opisP.bmp", 2}, std::pair{"Data/opisPor.bmp", 2}}) {
        const QImage image(path(QLatin1String(strip)));
        ASSERT_FALSE(image.isNull()) << strip;
        const QRect placed(QPoint(375, y), image.size());
        EXPECT_FALSE(placed.intersects(QRect(QPoint(821, 26), QPoint(947, 43)))) << strip;
        EXPECT_LE(placed.bottom(), 69) << strip;
        for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)}) {
            EXPECT_EQ(image.pixel(corner), background.pixel(placed.topLeft() + corner)) << strip;
        }
    }
    // The caption of the full-page view: right of the miniature sheet, above "Powrót".
    const QRect view(QPoint(750, 20), size("Data/view.bmp"));
    EXPECT_TRUE(QRect(710, 0, 314, 768).contains(view));
    EXPECT_FALSE(view.intersects(QRect(QPoint(790, 45), buttonSize("Data/BMP/powrot"))));
    // The logo on white paper: inside the chart header block that is printed (47..977 x
    // 610..760) and inside the parts of sheet 1 that the print job and the preview copy,
    // above the first band at y 143.
    const QImage logo(path("Data/logo.bmp"));
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(logo.pixel(logo.width() - 1, logo.height() - 1), qRgb(255, 255, 255));
    EXPECT_TRUE(QRect(47, 610, 930, 150).contains(QRect(QPoint(850, 610), logo.size())));
    EXPECT_TRUE(QRect(95, 30, 845, 113).contains(QRect(QPoint(780, 30), logo.size())));
    EXPECT_TRUE(QRect(60, 50, 900, 93).contains(QRect(QPoint(780, 50), logo.size())));
}

// The program writes the item name into the row at (x + 123 .. x + width - 10) in the item
// font: on one line up to 65 characters, wrapped from the top beyond that.
TEST_F(DataFolder, ItemNamesFitTheItemRow) {
    const QSize row = buttonSize("Data/BMP/przycisk");
    const int width = row.width() - 133;
    const int height = row.height() - 6;
    const QFontMetrics metrics(lun4::ui::qtFont(lun4::ui::FontId::Item));
    const int line = metrics.ascent() + metrics.descent();
    for (int k = 1; k <= lun4::kItemCount; ++k) {
        const std::string_view name = lun4::itemName(k);
        const QString text = lun4::ui::toQString(name);
        if (name.size() <= 65) {
            EXPECT_LE(metrics.horizontalAdvance(text), width) << "item " << k;
            continue;
        }
        int lines = 1;
        QString current;
        for (const QString& word : text.split(QChar(' '))) {
            const QString next = current.isEmpty() ? word : current + QChar(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(next) > width) {
                ++lines;
                current = word;
            } else {
                current = next;
            }
        }
        EXPECT_LE(lines * line, height) << "item " << k;
    }
}

// The examinee panel of the grey screen, where the program writes the name on the file list,
// lies clear of the file list's card: the picture shows the grey screen there, pixel for pixel,
// with a few pixels of room around it.
TEST_F(DataFolder, TheExamineePanelStaysClearOfTheFileList) {
    const QImage grey(path("Data/tlo_gray.bmp"));
    const QImage list(path("Data/otworz.bmp"));
    ASSERT_FALSE(grey.isNull());
    ASSERT_FALSE(list.isNull());
    const QPoint at(175, 167);
    const QRect panel = QRect(600, 139, 266, 58).adjusted(-4, -4, 4, 4);
    const QRect overlap = panel.intersected(QRect(at, list.size()));
    ASSERT_FALSE(overlap.isEmpty());  // the picture reaches the panel's height
    int differing = 0;
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        for (int x = overlap.left(); x <= overlap.right(); ++x) {
            if (list.pixel(x - at.x(), y - at.y()) != grey.pixel(x, y)) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(DataFolder, SameBytesEveryRun) {
    QTemporaryDir again;
    QString error;
    ASSERT_TRUE(generateInto(again.path(), &error)) << error.toStdString();
    int compared = 0;
    QDirIterator it(dir_->path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = file.mid(dir_->path().size());
        QFile a(file), b(again.path() + relative);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
            << relative.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << relative.toStdString();
        ++compared;
    }
    EXPECT_EQ(compared, bitmapsLoaded().size() + pagesLoaded().size());
}

}  // namespace
