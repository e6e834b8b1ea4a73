// The settings screen and its buttons, and the list a backup is restored from.

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

void sectionCaption(QPainter& p, QPoint at, const QString& s) {
    QFont f = sans(12, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    text(p, QRect(at, QSize(600, 16)), Qt::AlignLeft | Qt::AlignVCenter, s, f, colour::inkSoft);
}

void fieldLabel(QPainter& p, const QRect& field, const QString& s) {
    text(p, QRect(field.left(), field.top() - 22, field.width() + 200, 19),
         Qt::AlignLeft | Qt::AlignBottom, s, sans(15, true), colour::ink);
}

void hint(QPainter& p, const QRect& r, const QString& s) {
    paragraph(p, r, s, sans(13), colour::inkSoft);
}

QImage settingsScreen() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    p.fillRect(QRect(0, 0, kScreen.width(), 80), colour::band);
    hline(p, 0, kScreen.width(), 80, colour::line);
    brandMark(p, QPoint(40, 27), 22);
    p.fillRect(QRect(222, 28, 1, 26), colour::line);
    text(p, QRect(238, 27, 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Ustawienia"), sans(18), colour::inkSoft);
    text(p, QRect(560, 27, 424, 28), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("Zapamiętywane dla użytkownika tego komputera"), sans(13), colour::inkFaint);

    // The examinee folder: the program writes the path into the field and a note below it.
    card(p, kSettingsFolderCard, 10);
    sectionCaption(p, QPoint(60, kSettingsFolderCard.top() + 12), QStringLiteral("PLIKI BADANYCH"));
    inputField(p, kSettingsFolderBox);
    hint(p, QRect(536, kSettingsFolderChoose.y() + 2, 428, 40),
         QStringLiteral("Może to być folder na dysku sieciowym placówki. Program sprawdza, czy "
                        "można w nim zapisywać pliki."));

    // The report's cover.
    card(p, kSettingsCoverCard, 10);
    sectionCaption(p, QPoint(60, kSettingsCoverCard.top() + 12),
                   QStringLiteral("RAPORT OPISOWY — STRONA TYTUŁOWA"));
    inputField(p, kSettingsInstitution);
    fieldLabel(p, kSettingsInstitution, QStringLiteral("Nazwa placówki"));
    inputField(p, kSettingsPlace);
    fieldLabel(p, kSettingsPlace, QStringLiteral("Miejscowość"));
    hint(p, QRect(kSettingsPlace.left(), kSettingsPlace.bottom() + 8, kSettingsPlace.width(), 40),
         QStringLiteral("Raport proponuje ją z dzisiejszą datą."));
    hint(p, QRect(60, kSettingsInstitution.bottom() + 6, kSettingsInstitution.width(), 20),
         QStringLiteral("Proponowane na każdym raporcie; na stronie tytułowej można je zmienić."));

    // New records.
    card(p, kSettingsRecordCard, 10);
    sectionCaption(p, QPoint(60, kSettingsRecordCard.top() + 12), QStringLiteral("NOWE BADANIA"));
    inputField(p, kSettingsDiagnostician);
    fieldLabel(p, kSettingsDiagnostician, QStringLiteral("Diagnosta (imię i nazwisko, specjalizacja)"));
    inputField(p, kSettingsPermit);
    fieldLabel(p, kSettingsPermit, QStringLiteral("Numer uprawnień"));
    hint(p, QRect(kSettingsPermit.right() + 16, kSettingsPermit.top() - 18, 170, 44),
         QStringLiteral("Wpisywane do danych każdego nowego badania."));

    // Backups.
    card(p, kSettingsBackupCard, 10);
    sectionCaption(p, QPoint(60, kSettingsBackupCard.top() + 12), QStringLiteral("KOPIA ZAPASOWA"));
    hint(p, QRect(552, kSettingsBackup.y() - 2, 412, 52),
         QStringLiteral("Cały folder plików badanych w jednym pliku zip z datą. Przechowuj kopię "
                        "na innym dysku; przywracanie pyta, zanim zastąpi nowszy plik."));

    p.fillRect(QRect(0, 670, kScreen.width(), 98), colour::band);
    hline(p, 0, kScreen.width(), 670, colour::line);
    text(p, QRect(40, 690, 700, 40), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("„OK” zapamiętuje zmiany, „Anuluj” je porzuca. Kopia i przywracanie "
                        "działają od razu."),
         sans(13), colour::inkSoft);
    return image;
}

// The restore list: title, the column captions and the white list with the arrows' track.
QImage restoreList(const QImage& grey) {
    QImage screen = grey.copy();
    QPainter p(&screen);
    begin(p);
    const QRect c(kRestoreDialog.at, kRestoreDialog.size - QSize(6, 6));
    card(p, c, 12);
    icon(p, Icon::Folder, QRectF(122, c.top() + 18, 24, 24), colour::accent, 2.0);
    text(p, QRect(156, c.top() + 14, 600, 30), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Przywracanie z kopii zapasowej"), sans(19, true), colour::ink);
    const QFont head = sans(13, true);
    for (const auto& [left, caption] :
         {std::pair{122, "Plik"}, std::pair{440, "Zmieniony (w kopii)"},
          std::pair{590, "Co zrobi program"}}) {
        text(p, QRect(left, kRestoreListBox.top() - 22, 260, 18), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(caption), head, colour::inkSoft);
    }
    p.fillRect(kRestoreListBox.adjusted(-1, -1, 1, 1), colour::fieldLine);
    p.fillRect(kRestoreListBox, colour::field);
    roundedBox(p, QRectF(kRestoreUp.x() + 4, kRestoreUp.y() + 40, kListArrow.width() - 8,
                         kRestoreDown.y() - kRestoreUp.y() - 44),
               4, colour::tint);
    text(p, QRect(236, kRestoreDialog.at.y() + kRestoreDialog.size.height() - 64, 420, 36),
         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
         QStringLiteral("Pliki spoza kopii zostaną w folderze bez zmian."), sans(13),
         colour::inkSoft);
    p.end();
    return screen.copy(QRect(kRestoreDialog.at, kRestoreDialog.size));
}

}  // namespace

void makeSettings(Output& out) {
    const QColor white = colour::card;
    Look light = tile(white);
    light.radius = 8;
    out.button("Data/BMP/ustawienia",
               labelButton(kQuit, light, QStringLiteral("Ustawienia"), Icon::Gear));
    out.button("Data/folder_zmien", labelButton(kSettingsButton, primary(white),
                                                QStringLiteral("Zmień folder…"), Icon::Folder, 15));
    out.button("Data/folder_domyslny",
               labelButton(kSettingsButton, secondary(white), QStringLiteral("Folder domyślny"),
                           std::nullopt, 15));
    out.button("Data/kopia", labelButton(kBackupButton, primary(white),
                                         QStringLiteral("Kopia zapasowa"), Icon::Disk, 15));
    out.button("Data/przywroc", labelButton(kBackupButton, primary(white),
                                            QStringLiteral("Przywróć z kopii"), Icon::Folder, 15));
    out.button("Data/przywroc_pliki",
               labelButton(kBackupButton, primary(white), QStringLiteral("Przywróć pliki"),
                           Icon::Check, 15));
    out.bmp("Data/ustawienia.bmp", settingsScreen());
    out.bmp("Data/kopia_lista.bmp", restoreList(out.image("Data/tlo_gray.bmp")));
}

}  // namespace datagen
