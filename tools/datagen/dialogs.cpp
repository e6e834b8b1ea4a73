// Dialog pictures with their texts, the file list panel, the area description frame and the
// print menu. Each is drawn onto the screen it appears over and cut out at the place where
// the program draws it, so its corners and shadow blend into that screen.

#include <QFontMetrics>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

constexpr int kShadow = 6;  // right and bottom edge of a dialog picture kept for its shadow

QRect cardRect(const Dialog& d) {
    return QRect(d.at, d.size - QSize(kShadow, kShadow));
}

void paste(QImage& target, const QImage& image, QPoint at) {
    QPainter p(&target);
    p.drawImage(at, image);
}

enum class Mood { Question, Done, Problem, Delete };

void moodBadge(QPainter& p, QPointF centre, Mood mood) {
    QColor fill = colour::tint, ink = colour::accent;
    Icon glyph = Icon::Info;
    switch (mood) {
        case Mood::Question:
            break;
        case Mood::Done:
            fill = QColor(222, 239, 227);
            ink = colour::pass;
            glyph = Icon::Check;
            break;
        case Mood::Problem:
            fill = QColor(246, 224, 221);
            ink = colour::fail;
            glyph = Icon::Cross;
            break;
        case Mood::Delete:
            fill = QColor(246, 224, 221);
            ink = colour::brick;
            glyph = Icon::Trash;
            break;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, 22, 22);
    p.restore();
    if (mood == Mood::Question) {
        text(p, QRect(int(centre.x()) - 22, int(centre.y()) - 22, 44, 44), Qt::AlignCenter,
             QStringLiteral("?"), sans(26, true), ink);
    } else {
        icon(p, glyph, QRectF(centre.x() - 13, centre.y() - 13, 26, 26), ink, 2.4);
    }
}

// A question or message: badge, title and text, buttons placed by the program below.
QImage message(const QImage& base, const Dialog& d, Mood mood, const QString& title,
               const QString& body, const QString& note = QString()) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(d);
    card(p, c, 12);
    moodBadge(p, QPointF(c.left() + 50, c.top() + 52), mood);
    const int x = c.left() + 90;
    const int w = c.right() - 28 - x;
    text(p, QRect(x, c.top() + 26, w, 26), Qt::AlignLeft | Qt::AlignVCenter, title, sans(19, true),
         colour::ink);
    int y = c.top() + 60;
    y += paragraph(p, QRect(x, y, w, 80), body, sans(16), colour::ink, 3);
    if (!note.isEmpty()) paragraph(p, QRect(x, y + 8, w, 60), note, sans(13), colour::inkSoft, 2);
    p.end();
    return screen.copy(QRect(d.at, d.size));
}

// The new-record question, and below a line the new assessment of the person in memory.
QImage newRecordDialog(const QImage& base) {
    QImage screen = message(base, kNewRecordDialog, Mood::Question, QStringLiteral("Nowe badanie"),
                            QStringLiteral("Czy rozpocząć nowe badanie? Niezapisane dane zostaną "
                                           "utracone."));
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(kNewRecordDialog).translated(-kNewRecordDialog.at);
    const int x = c.left() + 28;
    const int line = kReassessLine - kNewRecordDialog.at.y();
    hline(p, c.left() + 20, c.right() - 20, line, colour::line);
    text(p, QRect(x, line + 12, c.width() - 56, 22), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Kolejne badanie tej samej osoby"), sans(16, true), colour::ink);
    paragraph(p, QRect(x, line + 36, c.width() - 56, 40),
              QStringLiteral("Jej dane zostają. Oceny, wskazania, data badania i dodatkowe "
                             "informacje są puste."),
              sans(13), colour::inkSoft, 2);
    p.end();
    return screen;
}

// The list of assessments to compare with: title, what the order is, the column captions and
// the white list box with a track for the arrows.
QImage compareList(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(kCompareListDialog);
    card(p, c, 12);
    const int x = kCompareListBox.left();
    icon(p, Icon::Chart, QRectF(x, c.top() + 18, 24, 24), colour::accent, 2.0);
    text(p, QRect(x + 34, c.top() + 14, 600, 30), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Porównanie z poprzednim badaniem"), sans(19, true), colour::ink);
    text(p, QRect(x, c.top() + 44, kCompareListBox.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Wybierz wcześniejsze badanie. Najpierw są badania tej samej osoby, od "
                        "najnowszego."),
         sans(14), colour::inkSoft);
    const QFont head = sans(13, true);
    const int captions = kCompareListBox.top() - 22;
    for (const auto& [left, caption] :
         {std::pair{kCompareDateX, "Data badania"}, std::pair{kCompareNameX, "Osoba badana"},
          std::pair{kCompareFileX, "Plik"}}) {
        text(p, QRect(left, captions, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(caption), head, colour::inkSoft);
    }
    p.fillRect(kCompareListBox.adjusted(-1, -1, 1, 1), colour::fieldLine);
    p.fillRect(kCompareListBox, colour::field);
    roundedBox(p,
               QRectF(kCompareUp.x() + 4, kCompareUp.y() + 40, kListArrow.width() - 8,
                      kCompareDown.y() - kCompareUp.y() - 44),
               4, colour::tint);
    p.end();
    return screen.copy(QRect(kCompareListDialog.at, kCompareListDialog.size));
}

// The program writes the question naming the file into kDeleteQuestion; the warning stands
// below it, above the buttons.
QImage deleteQuestion(const QImage& base) {
    QImage screen = message(base, kDeleteDialog, Mood::Delete, QStringLiteral("Usuwanie pliku"),
                            QString());
    QPainter p(&screen);
    begin(p);
    const QRect question = kDeleteQuestion.translated(-kDeleteDialog.at);
    text(p, QRect(question.left(), question.bottom() + 4, question.width(), 18),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tej operacji nie można cofnąć."),
         sans(13), colour::inkSoft);
    p.end();
    return screen;
}

QImage saveDialog(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(kSaveDialog);
    card(p, c, 12);
    const int x = kSaveName.left();
    icon(p, Icon::Disk, QRectF(x, c.top() + 27, 24, 24), colour::accent, 2.0);
    text(p, QRect(x + 34, c.top() + 24, 360, 30), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Zapisz badanie"), sans(19, true), colour::ink);
    text(p, QRect(x, c.top() + 60, kSaveName.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Plik trafi do folderu plików badanych (zob. Ustawienia)."), sans(14),
         colour::inkSoft);
    text(p, QRect(x, kSaveName.top() - 24, kSaveName.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Zapisz badanie pod nazwą:"), sans(15, true), colour::ink);
    inputField(p, kSaveName);
    p.end();
    return screen.copy(QRect(kSaveDialog.at, kSaveDialog.size));
}

// Drawn over the save screen, whose name box stays on screen across this picture: the
// title goes above the box and the question below it.
QImage fileExists(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(kFileExistsDialog);
    card(p, c, 12);
    const int x = c.left() + 24;
    icon(p, Icon::Info, QRectF(x, c.top() + 9, 20, 20), colour::accent, 2.0);
    text(p, QRect(x + 28, c.top() + 5, c.width() - 76, 28), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Plik już istnieje"), sans(17, true), colour::ink);
    p.save();
    p.setClipRect(c.adjusted(1, 1, -1, -1));
    inputField(p, kSaveName);
    p.restore();
    paragraph(p, QRect(x, kSaveName.bottom() + 14, c.right() - 24 - x, 70),
              QStringLiteral("Plik o tej nazwie już istnieje. Czy zastąpić go bieżącym badaniem?"),
              sans(16), colour::ink, 3);
    p.end();
    return screen.copy(QRect(kFileExistsDialog.at, kFileExistsDialog.size));
}

QImage areaInfoFrame(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c = cardRect(kAreaInfoDialog);
    card(p, c, 12);
    icon(p, Icon::Info, QRectF(kAreaInfoPage.left(), c.top() + 22, 26, 26), colour::accent, 2.0);
    text(p, QRect(kAreaInfoPage.left() + 36, c.top() + 18, 300, 34),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Opis obszaru"), sans(20, true),
         colour::ink);
    hline(p, kAreaInfoPage.left(), kAreaInfoPage.right(), kAreaInfoPage.top() - 14, colour::line);
    p.end();
    return screen.copy(QRect(kAreaInfoDialog.at, kAreaInfoDialog.size));
}

QImage fileList(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    // The card starts below the examinee panel of the grey screen, which stays clear of it: the
    // program writes the examinee's name into the panel on this screen. Above the card the
    // picture is the grey screen itself.
    const QRect c = cardRect(kFileListDialog)
                        .adjusted(0, kNamePanel.bottom() + 9 - kFileListDialog.at.y(), 0, 0);
    card(p, c, 12);
    // One header row: the title heads the list, "Podgląd" the preview.
    const int header = (c.top() + kFileListBox.top()) / 2;
    icon(p, Icon::Folder, QRectF(kFileListBox.left(), header - 12, 24, 24), colour::accent, 2.0);
    text(p, QRect(kFileListBox.left() + 32, header - 15, 200, 30), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Wczytaj badanie"), sans(19, true), colour::ink);
    const QFont head = sans(14, true);
    // The rows are written on white; the arrows stand in a track to the right of them.
    p.fillRect(kFileListBox.adjusted(-1, -1, 1, 1), colour::fieldLine);
    p.fillRect(kFileListBox, colour::field);
    roundedBox(p,
               QRectF(kListUp.x() + 4, kListUp.y() + 40, kListArrow.width() - 8,
                      kListDown.y() - kListUp.y() - 44),
               4, colour::tint);
    // Preview of the selected file.
    const QRect preview(kPreviewDate.left() - 12, kFileListBox.top(),
                        c.right() - 16 - kPreviewDate.left() + 12,
                        kPreviewSurname.bottom() + 16 - kFileListBox.top());
    text(p, QRect(preview.left(), header - 10, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Podgląd"), head, colour::inkSoft);
    roundedBox(p, preview, 8, QColor(244, 247, 249), colour::line);
    const QFont label = sans(13);
    struct Box {
        QRect r;
        const char* name;
    };
    for (const Box& b : {Box{kPreviewDate, "Data badania"}, Box{kPreviewFirstName, "Imię"},
                         Box{kPreviewSurname, "Nazwisko"}}) {
        inputField(p, b.r);
        text(p, QRect(b.r.right() + 8, b.r.top(), 100, b.r.height()),
             Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(b.name), label, colour::inkSoft);
    }
    p.end();
    return screen.copy(QRect(kFileListDialog.at, kFileListDialog.size));
}

QImage printMenu(const QImage& base) {
    QImage screen = base.copy();
    QPainter p(&screen);
    begin(p);
    // The card starts a little below the picture's top edge, so that a shadow shows it
    // lying over the examinee panel of the grey screen (the print menu writes no name).
    const QRect c = cardRect(kPrintDialog).adjusted(0, 4, 0, 0);
    for (int i = 4; i >= 1; --i) {
        roundedBox(p, QRectF(c).adjusted(-i * 0.5, -i, i * 0.5, 0), 12 + i, QColor(20, 40, 60, 9));
    }
    card(p, c, 12);
    // Header strip in the page colour: the aids and back buttons sit on it.
    const QRect strip(c.left() + 1, c.top() + 1, c.width() - 2, 89);
    p.save();
    p.setClipRect(strip);
    roundedBox(p, c.adjusted(1, 1, -1, -1), 11, colour::background);
    p.restore();
    hline(p, c.left() + 1, c.right(), strip.bottom() + 1, colour::line);
    const int aidsRight = kAidsAt.x() + kAids.width();
    text(p, QRect(aidsRight + 16, kAidsAt.y(), 300, kAids.height()),
         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
         QStringLiteral("Obrazki do zajęć terapeutycznych,\nkażdy na osobnej kartce"), sans(13),
         colour::inkSoft);
    text(p, QRect(c.left(), strip.bottom() + 14, c.width(), 30), Qt::AlignCenter,
         QStringLiteral("Drukowanie"), sans(22, true), colour::ink);
    text(p, QRect(c.left(), strip.bottom() + 44, c.width(), 20), Qt::AlignCenter,
         QStringLiteral("Wybierz dokument, aby zobaczyć jego podgląd i wydrukować go."), sans(14),
         colour::inkSoft);
    struct Doc {
        const char* title;
        const char* about;
        Icon glyph;
    };
    static const Doc kDocs[3] = {
        {"Profil wyników", "Wykres wyników sześciu skal we wszystkich trzech obszarach.",
         Icon::Chart},
        {"Arkusz podsumowania", "Zestawienie ocen wszystkich pozycji według obszarów i skal.",
         Icon::Clipboard},
        {"Raport opisowy", "Opis wyników ze wskazaniami do pracy i porównaniem obszarów.",
         Icon::Document},
    };
    for (int i = 0; i < 3; ++i) {
        const QPoint button = kOpenDocumentAt[i];
        const int cx = button.x() + kOpenDocument.width() / 2;
        const QRect box(cx - 117, strip.bottom() + 80, 234,
                        button.y() + kOpenDocument.height() + 14 - strip.bottom() - 80);
        roundedBox(p, box, 10, colour::card, colour::line);
        const QPointF centre(cx, box.top() + 36);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::tint);
        p.drawEllipse(centre, 24, 24);
        p.restore();
        icon(p, kDocs[i].glyph, QRectF(cx - 14, centre.y() - 14, 28, 28), colour::accent, 2.0);
        text(p, QRect(box.left() + 10, box.top() + 70, box.width() - 20, 24), Qt::AlignCenter,
             QString::fromUtf8(kDocs[i].title), sans(17, true), colour::ink);
        text(p, QRect(box.left() + 18, box.top() + 98, box.width() - 36, 60),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(kDocs[i].about),
             sans(13), colour::inkSoft);
    }
    // The band below: the program writes how complete the assessment is on its left; the
    // scores sheet button stands on its right under a line saying what it gives.
    const QRect band(c.left() + 1, kPrintBandTop, c.width() - 2, c.bottom() - kPrintBandTop);
    p.save();
    p.setClipRect(band);
    roundedBox(p, c.adjusted(1, 1, -1, -1), 11, colour::background);
    p.restore();
    hline(p, c.left() + 1, c.right(), kPrintBandTop, colour::line);
    text(p, QRect(kScoresSheetAt.x() - 40, kPrintBandTop + 12, kScoresSheet.width() + 80, 18),
         Qt::AlignCenter, QStringLiteral("Oceny i wskazania 168 pozycji (CSV)"), sans(13),
         colour::inkSoft);
    // The comparison with an earlier assessment stands at the foot of the band, right-aligned
    // with the sheet button; the notice after a sheet was written goes between the two.
    p.end();
    return screen.copy(QRect(kPrintDialog.at, kPrintDialog.size));
}

}  // namespace

void makeDialogs(Output& out) {
    const QImage grey = out.image("Data/tlo_gray.bmp");
    out.bmp("Data/nowe_tlo.bmp", newRecordDialog(grey));
    out.bmp("Data/porownanie_lista.bmp", compareList(grey));
    out.bmp("Data/zapisz_tlo.bmp", saveDialog(grey));
    // "File exists" is drawn over the save screen as the program shows it.
    QImage saveScreen = grey.copy();
    paste(saveScreen, out.image("Data/zapisz_tlo.bmp"), kSaveDialog.at);
    paste(saveScreen, out.image("Data/BMP/ok_n.bmp"), kSaveOk);
    paste(saveScreen, out.image("Data/BMP/anuluj_n.bmp"), kSaveCancel);
    out.bmp("Data/plik_istnieje.bmp", fileExists(saveScreen));
    out.bmp("Data/zapisalem.bmp", message(grey, kInfoDialog, Mood::Done, QStringLiteral("Zapisano"),
                                          QStringLiteral("Badanie zostało zapisane.")));
    out.bmp("Data/usunalem.bmp", message(grey, kInfoDialog, Mood::Done, QStringLiteral("Usunięto"),
                                         QStringLiteral("Plik został usunięty.")));
    out.bmp("Data/wczytalem.bmp", message(grey, kInfoDialog, Mood::Done, QStringLiteral("Wczytano"),
                                          QStringLiteral("Badanie zostało wczytane.")));
    out.bmp("Data/zlyformat.bmp",
            message(grey, kInfoDialog, Mood::Problem, QStringLiteral("Nie można wczytać pliku"),
                    QStringLiteral("Nieprawidłowy format pliku."),
                    QStringLiteral("Wybrany plik nie jest plikiem badania albo jest uszkodzony.")));
    out.bmp(
        "Data/zapisac.bmp",
        message(grey, kExitDialog, Mood::Question, QStringLiteral("Zakończenie pracy"),
                QStringLiteral("Czy zapisać badanie przed zakończeniem?"),
                QStringLiteral(
                    "„Tak” zapisuje badanie i zamyka program, „Nie” zamyka go bez zapisywania.")));
    out.bmp("Data/opisO.bmp", areaInfoFrame(grey));
    out.bmp("Data/otworz.bmp", fileList(grey));
    // The delete question is drawn over the file list.
    QImage listScreen = grey.copy();
    paste(listScreen, out.image("Data/otworz.bmp"), kFileListDialog.at);
    out.bmp("Data/czyusunac.bmp", deleteQuestion(listScreen));
    out.bmp("Data/druk.bmp", printMenu(grey));
}

}  // namespace datagen
