// The toolkit's own texts in Polish and its message boxes in the program's look. The test main
// loads the translations and the look as the program's start does.

#include "platform/qt/program_look.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <memory>

#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/qt/main_window.h"

namespace lun4::platform {
namespace {

// A menu's entries as the user reads them: without the "&" of their shortcut letter.
QStringList entries(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        // Without the "&" of the shortcut letter and the shortcut shown beside the entry.
        if (!action->isSeparator()) {
            texts << action->text().remove(QChar('&')).section(QChar('\t'), 0, 0);
        }
    }
    return texts;
}

TEST(ProgramLookTest, TheToolkitSpeaksPolish) {
    ASSERT_TRUE(installPolishTranslations(*QCoreApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No | QDialogButtonBox::Close);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QChar('&')), u"Anuluj");
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove(QChar('&')), u"Tak");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove(QChar('&')), u"Nie");
    EXPECT_EQ(box.button(QDialogButtonBox::Close)->text().remove(QChar('&')), u"Zamknij");

    // The right-click menu of the one-line and the multi-line boxes.
    QLineEdit line;
    std::unique_ptr<QMenu> lineMenu(line.createStandardContextMenu());
    const QStringList lineEntries = entries(*lineMenu);
    for (const char16_t* expected : {u"Cofnij", u"Wytnij", u"Skopiuj", u"Wklej", u"Usuń"}) {
        EXPECT_TRUE(lineEntries.contains(QString::fromUtf16(expected)))
            << lineEntries.join(QChar('|')).toStdString();
    }
    QPlainTextEdit text;
    std::unique_ptr<QMenu> textMenu(text.createStandardContextMenu());
    const QStringList textEntries = entries(*textMenu);
    EXPECT_TRUE(textEntries.contains(QStringLiteral(u"Wklej")))
        << textEntries.join(QChar('|')).toStdString();
    EXPECT_TRUE(textEntries.contains(QStringLiteral(u"Zaznacz wszystko")));

    QPrinter printer;
    QPrintDialog print(&printer);
    EXPECT_EQ(print.windowTitle(), u"Drukowanie");
    // Texts the catalogue lacks come from the program.
    auto* pages = print.findChild<QAbstractButton*>(QStringLiteral("pagesRadioButton"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->text(), u"Strony");
    auto* all = print.findChild<QAbstractButton*>(QStringLiteral("printAll"));
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->text(), u"Drukuj wszystko");
}

// Answers the message box the program is showing, after looking at it.
template <typename Look>
void whenTheBoxShows(Look look) {
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        look(*box);
        box->buttons().front()->click();
    });
}

TEST(ProgramLookTest, MessageBoxesLookLikeTheProgram) {
    DataPaths paths(std::filesystem::temp_directory_path());
    MainWindow window(paths, 32);
    const std::string caption = cp1250::fromUtf8Lossy("Błąd zapisu");
    const std::string message = cp1250::fromUtf8Lossy("Nie udało się zapisać pliku „a.pcn”.");
    bool looked = false;
    whenTheBoxShows([&](QMessageBox& box) {
        looked = true;
        ASSERT_EQ(box.buttons().size(), 1);
        QAbstractButton* ok = box.buttons().front();
        EXPECT_EQ(ok->text(), u"OK");
        EXPECT_TRUE(ok->icon().isNull());  // no stock icon beside the word
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        // The caption heads the box, in bold, as in the program's own dialogs.
        EXPECT_EQ(box.windowTitle(), u"Błąd zapisu");
        EXPECT_EQ(box.text(), u"Błąd zapisu");
        EXPECT_EQ(box.informativeText(), u"Nie udało się zapisać pliku „a.pcn”.");
        auto* heading = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->font().family(), u"Liberation Sans");
        EXPECT_TRUE(heading->font().bold());
        EXPECT_EQ(box.palette().color(QPalette::WindowText), QColor(33, 45, 54));
        EXPECT_NE(box.palette().color(QPalette::Disabled, QPalette::Text),
                  box.palette().color(QPalette::Active, QPalette::Text));
    });
    window.showMessage(caption, message);
    EXPECT_TRUE(looked);

    // The program's questions: its own badge, and its own words on both buttons.
    looked = false;
    whenTheBoxShows([&](QMessageBox& box) {
        looked = true;
        EXPECT_FALSE(box.iconPixmap().isNull());
        EXPECT_EQ(box.text(), u"Przywracanie badania");
        for (QAbstractButton* button : box.buttons()) {
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
        }
    });
    window.ask(cp1250::fromUtf8Lossy("Przywracanie badania"), "?",
               cp1250::fromUtf8Lossy("Przywróć"), cp1250::fromUtf8Lossy("Odrzuć"),
               ui::Answer::First);
    EXPECT_TRUE(looked);
}

// A desktop that asks for icons on dialog buttons, as some Linux desktops do.
class IconsOnButtons final : public QProxyStyle {
  public:
    IconsOnButtons() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Standard buttons of the toolkit's own dialogs (message boxes, the print and file dialogs)
// carry no icons, even where the desktop asks for them.
TEST(ProgramLookTest, StandardButtonsCarryNoIcons) {
    const auto buttonsUnder = [](QStyle* style) {
        auto box = std::make_unique<QDialogButtonBox>();
        box->setStyle(style);
        box->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                QDialogButtonBox::Save);
        return box;
    };
    IconsOnButtons desktop;
    const auto desktopBox = buttonsUnder(&desktop);
    EXPECT_FALSE(desktopBox->button(QDialogButtonBox::Ok)->icon().isNull());  // what it would be

    std::unique_ptr<QStyle> program(makeProgramStyle(new IconsOnButtons));
    const auto programBox = buttonsUnder(program.get());
    for (QAbstractButton* button : programBox->buttons()) {
        EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
    }
}

}  // namespace
}  // namespace lun4::platform
