#include "platform/qt/main_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "model/cp1250.h"
#include "platform/qt/qt_keys.h"
#include "platform/state_folder.h"
#include "screens/controller/screen_controller.h"
#include "screens/screen_ids.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

void writeBmp(const fs::path& path, int w, int h, QColor colour) {
    fs::create_directories(path.parent_path());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

// A small data folder: the entry screen, its enter button and the main menu background.
class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        root = fs::temp_directory_path() / ("lun4_window_test_" + std::to_string(::getpid()));
        fs::remove_all(root);
        writeBmp(root / "Data" / "BMP" / "entry.bmp", 1024, 768, QColor(200, 200, 200));
        writeBmp(root / "Data" / "BMP" / "tlo_glowne.bmp", 1024, 768, QColor(10, 20, 30));
        writeBmp(root / "Data" / "BMP" / "wej_n.bmp", 100, 40, QColor(0, 0, 200));
        writeBmp(root / "Data" / "BMP" / "wej_o.bmp", 100, 40, QColor(0, 200, 0));
        writeBmp(root / "Data" / "BMP" / "wej_p.bmp", 100, 40, QColor(200, 0, 0));
    }
    static void TearDownTestSuite() { fs::remove_all(root); }

    MainWindowTest() {
        window.setComposeHandler([this] {
            ++composed;
            controller.compose();
        });
        window.setMouseHandlers(
            [this](int x, int y) {
                state.lastMouse = {x, y};
                controller.mouseMoved(x, y);
            },
            [this](int x, int y) {
                state.lastMouse = {x, y};
                controller.leftButtonDown(x, y);
            });
        window.setPauseFunction([this](int ms) {
            pauses.push_back(ms);
            pixelAtPause = windowPixel(360, 550);
        });
        window.resize(1024, 768);
        window.show();
        QApplication::processEvents();
    }

    QRgb windowPixel(int x, int y) { return window.windowImage().image().pixel(x, y) & 0xFFFFFF; }
    QRgb backPixel(int x, int y) {
        return static_cast<ui::QtSurface&>(window.backBuffer(0)).image().pixel(x, y) & 0xFFFFFF;
    }
    void mouse(QEvent::Type type, QPoint p) {
        QMouseEvent event(
            type, QPointF(p), QPointF(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    static inline fs::path root;
    DataPaths paths{root};
    MainWindow window{paths, 32};
    AppState state;
    Buttons buttons{window.images()};
    ScreenController controller{window, buttons, state};
    int composed = 0;
    std::vector<int> pauses;
    QRgb pixelAtPause = 0;
};

TEST_F(MainWindowTest, FirstPaintComposesOnceLaterPaintsOnlyShow) {
    EXPECT_EQ(composed, 1);
    EXPECT_EQ(windowPixel(5, 5), 0xC8C8C8u);
    window.repaint();
    window.update();
    QApplication::processEvents();
    EXPECT_EQ(composed, 1);
}

TEST_F(MainWindowTest, HoverLightsTheWindowOnlyAndClickShowsThePressedImage) {
    mouse(QEvent::MouseMove, QPoint(360, 550));
    EXPECT_EQ(windowPixel(360, 550), 0x00C800u);  // hover image on the window
    EXPECT_EQ(backPixel(360, 550), 0x0000C8u);    // back buffer as composed
    mouse(QEvent::MouseButtonPress, QPoint(360, 550));
    EXPECT_EQ(pauses, std::vector<int>{100});
    EXPECT_EQ(pixelAtPause, 0xC80000u);  // pressed image during the pause
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(state.lastMouse, (ui::Point{360, 550}));
    EXPECT_EQ(windowPixel(5, 5), 0x0A141Eu);
}

TEST_F(MainWindowTest, ScaledFrameMapsMouseAndControls) {
    window.resize(1280, 1024);  // scale 1.25, black bands of 32 pixels above and below
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(window.mapping().scale, 1.25);
    EXPECT_EQ(window.mapping().offsetY, 32);
    EXPECT_EQ(window.toFrame(QPoint(450, 32 + 690)), (ui::Point{360, 552}));
    mouse(QEvent::MouseMove, QPoint(450, 32 + 690));
    EXPECT_EQ(state.lastMouse, (ui::Point{360, 552}));
    EXPECT_EQ(buttons.enter.state(), ui::SkinButton::Hover);

    auto& editor = static_cast<QtTextControl&>(window.control(ui::ControlId::NoteEditor));
    EXPECT_EQ(editor.widget()->geometry(), QRect(108, 32 + 311, 850, 475));
}

TEST_F(MainWindowTest, AltQuestionMarkOpensTheAboutBoxAndEscapeClosesIt) {
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawDialog = modal != nullptr && modal->windowTitle() == "About";
        if (modal) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(modal, &escape);
        }
    });
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier, "?");
    QApplication::sendEvent(&window, &alt);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    int opened = 0;
    window.setAboutFunction([&] { ++opened; });
    QKeyEvent slash(QEvent::KeyPress, Qt::Key_Slash, Qt::AltModifier, "/");
    QApplication::sendEvent(&window, &slash);
    QKeyEvent plain(QEvent::KeyPress, Qt::Key_Slash, Qt::NoModifier, "/");
    QApplication::sendEvent(&window, &plain);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(state.screenId, screen::kEntry);
}

TEST_F(MainWindowTest, SystemCloseGoesThroughTheCloseHandler) {
    int asked = 0;
    window.setCloseHandler([&] { ++asked; });
    window.close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, ControlsRefuseWhatCannotBeStored) {
    auto& name = static_cast<QtTextControl&>(window.control(ui::ControlId::FullName));
    EXPECT_TRUE(name.accepts(QStringLiteral(u"Zażółć Gęślą")));
    EXPECT_FALSE(name.accepts(QStringLiteral(u"Anna § Nowak")));
    EXPECT_FALSE(name.accepts(QStringLiteral(u"Ängström 日本")));
    EXPECT_FALSE(name.accepts(QString(60, QChar('W'))));  // wider than the box
    name.setText("Anna Nowak");
    EXPECT_EQ(name.text(), "Anna Nowak");

    auto& address = static_cast<QtTextControl&>(window.control(ui::ControlId::HomeAddress));
    address.setText("ul. Polna 1\r\nWarszawa");
    EXPECT_EQ(address.text(), "ul. Polna 1\r\nWarszawa");
}

TEST_F(MainWindowTest, NoteEditorReadsBackWrappedLinesAndHoldsOnlyWhatItShows) {
    auto& editor = static_cast<QtTextControl&>(window.control(ui::ControlId::NoteEditor));
    editor.setVisible(true);
    QApplication::processEvents();
    std::string paragraph;
    for (int i = 0; i < 30; ++i) paragraph += "wyraz" + std::to_string(i) + " ";
    editor.setText(paragraph + "\r\nkoniec");
    const auto lines = editor.displayedLines();
    ASSERT_GE(lines.size(), 3u);  // the paragraph wraps
    std::string joined;
    for (size_t i = 0; i + 1 < lines.size(); ++i) joined += lines[i];
    EXPECT_EQ(joined, paragraph);
    EXPECT_EQ(lines.back(), "koniec");

    // No scrolling: more lines than the box shows are refused, and so is a note too long.
    int most = 0;
    while (most < 60 && editor.accepts(QString("a\n").repeated(most + 1))) ++most;
    ASSERT_GT(most, 10);
    ASSERT_LT(most, 60);
    editor.setText(QString("a\r\n").repeated(most).toStdString());  // most + 1 lines shown
    QApplication::processEvents();
    auto* edit = static_cast<QPlainTextEdit*>(editor.widget());
    EXPECT_EQ(edit->verticalScrollBar()->maximum(), 0);  // every accepted line is in view
    EXPECT_FALSE(editor.accepts(QStringLiteral(u"paragraf § 5")));
}

// A two-answer question: Enter chooses the first answer, Escape the one that changes nothing,
// whichever of the two that is.
TEST_F(MainWindowTest, TheTwoAnswerQuestionTakesEnterForTheFirstAndEscapeForTheOneThatChangesNothing) {
    const std::string first = cp1250::fromUtf8Lossy("Przywróć");
    const std::string second = cp1250::fromUtf8Lossy("Odrzuć");
    const auto answerWith = [](int key, QString button = {}) {
        QTimer::singleShot(0, [key, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->defaultButton()->text(), QStringLiteral(u"Przywróć"));
            if (key != 0) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(box, &press);
            }
            if (!box->isVisible()) return;
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button) b->click();
            }
        });
    };
    for (const ui::Answer escape : {ui::Answer::First, ui::Answer::Second}) {
        answerWith(Qt::Key_Return);
        EXPECT_TRUE(window.ask("Przywracanie", "Czy?", first, second, escape));
        answerWith(0, QStringLiteral(u"Odrzuć"));
        EXPECT_FALSE(window.ask("Przywracanie", "Czy?", first, second, escape));
        answerWith(Qt::Key_Escape);
        EXPECT_EQ(window.ask("Przywracanie", "Czy?", first, second, escape),
                  escape == ui::Answer::First);
    }
}

// The question with a way back: Enter chooses the first answer, Escape the way back.
TEST_F(MainWindowTest, TheQuestionWithAWayBackTakesEnterForTheFirstAndEscapeForCancel) {
    const auto answerWith = [](int key, QString button = {}) {
        QTimer::singleShot(0, [key, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Zapisz"));
            EXPECT_EQ(box->buttons().size(), 3);
            if (key != 0) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(box, &press);
            }
            // A key that left the box open is answered by the second button (and fails).
            if (!box->isVisible()) return;
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == (key != 0 ? QStringLiteral("Nie zapisuj") : button)) b->click();
            }
        });
    };
    const std::string second = cp1250::fromUtf8Lossy("Nie zapisuj");
    const auto ask = [&] { return window.askOrCancel("Zmiany", "Czy?", "Zapisz", second, "Anuluj"); };
    answerWith(Qt::Key_Return);
    EXPECT_EQ(ask(), ui::Answer::First);
    answerWith(Qt::Key_Escape);
    EXPECT_EQ(ask(), ui::Answer::Cancel);
    answerWith(0, QStringLiteral("Nie zapisuj"));
    EXPECT_EQ(ask(), ui::Answer::Second);
}

// A click beside the save box (on the frame's picture) leaves the keyboard in the box.
TEST_F(MainWindowTest, AClickBesideABoxLeavesTheKeyboardInIt) {
    auto& box = static_cast<QtTextControl&>(window.control(ui::ControlId::SaveName));
    box.setVisible(true);
    box.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(window.focusWidget(), box.widget());
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(320, 300));
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(800, 700));
    EXPECT_EQ(window.focusWidget(), box.widget());
    // A click on the box itself still puts the keyboard there.
    auto& other = static_cast<QtTextControl&>(window.control(ui::ControlId::BirthDate));
    other.setVisible(true);
    QApplication::processEvents();
    QTest::mouseClick(other.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(window.focusWidget(), other.widget());
}

TEST(StateFolderTest, TheRecoveryCopyLivesInTheUsersStateFolder) {
    QStandardPaths::setTestModeEnabled(true);
    const fs::path folder = recoveryFolder();
    QStandardPaths::setTestModeEnabled(false);
    EXPECT_TRUE(folder.is_absolute()) << folder;
    EXPECT_EQ(folder.filename(), "odzysk");
    const fs::path stateRoot = QStandardPaths::writableLocation(
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
                                   QStandardPaths::StateLocation
#else
                                   QStandardPaths::AppLocalDataLocation
#endif
                                   )
                                   .toStdString();
    EXPECT_NE(folder.parent_path(), stateRoot);  // the test mode's folder, not the user's
    EXPECT_EQ(recoveryFolder(), stateRoot / "odzysk");
}

// The save dialog opens in the user's documents folder (the home folder when there is none)
// with the proposed name; a name typed without the extension gets it; a cancelled dialog
// gives nothing. The editable document it leads to is written where it was asked.
TEST_F(MainWindowTest, SaveDialogProposesTheNameInTheDocumentsFolder) {
    const fs::path home = root / "home";
    fs::create_directories(home);
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
    QString caption, proposed, filter, answer;
    window.setSaveDialogFunction([&](const QString& c, const QString& p, const QString& f) {
        caption = c;
        proposed = p;
        filter = f;
        return answer;
    });
    const ui::SaveRequest request{cp1250::fromUtf8Lossy("Zapisz raport do edycji"),
                                  cp1250::fromUtf8Lossy("Dokument tekstowy OpenDocument"), "odt",
                                  cp1250::fromUtf8Lossy("Łucja Wiśniewska – raport.odt")};
    EXPECT_FALSE(window.askSavePath(request));
    EXPECT_EQ(caption, QStringLiteral("Zapisz raport do edycji"));
    EXPECT_EQ(filter, QStringLiteral("Dokument tekstowy OpenDocument (*.odt)"));
    EXPECT_EQ(proposed.toStdString(), (home / "Łucja Wiśniewska – raport.odt").string());

    fs::create_directories(home / "Documents");
    answer = QString::fromStdString((root / "raport").string());
    const auto chosen = window.askSavePath(request);
    EXPECT_EQ(proposed.toStdString(),
              (home / "Documents" / "Łucja Wiśniewska – raport.odt").string());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, root / "raport.odt");
    answer = QString::fromStdString((root / "Raport.ODT").string());
    EXPECT_EQ(*window.askSavePath(request), root / "Raport.ODT");

    ui::FlowDocument document;
    document.paragraph(cp1250::fromUtf8Lossy("Zażółć gęślą jaźń"), ui::FlowStyle::Heading1);
    std::string error;
    ASSERT_TRUE(window.writeEditableDocument(document, *chosen, error)) << error;
    std::ifstream in(*chosen, std::ios::binary);
    std::string start(2, '\0');
    in.read(start.data(), 2);
    EXPECT_EQ(start, "PK");
    EXPECT_FALSE(window.writeEditableDocument(document, root / "brak" / "x.odt", error));
    EXPECT_NE(error.find("brak"), std::string::npos);
    qputenv("HOME", oldHome);
    if (oldConfig.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
}

}  // namespace
}  // namespace lun4::platform

namespace lun4::platform {
namespace {

// What the start need not wait for runs once, after the first frame was composed and shown.
TEST_F(MainWindowTest, TheFirstFrameHandlerRunsOnceAfterTheFirstFrame) {
    MainWindow other(paths, 32);
    int composed = 0;
    std::vector<int> composedAtHandler;
    other.setComposeHandler([&] { ++composed; });
    other.setFirstFrameHandler([&] { composedAtHandler.push_back(composed); });
    other.resize(1024, 768);
    other.show();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        other.repaint();
    }
    EXPECT_EQ(composed, 1);
    EXPECT_EQ(composedAtHandler, std::vector<int>{1});
}

}  // namespace
}  // namespace lun4::platform

namespace lun4::platform {
namespace {

ui::KeyPress qtKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   const QString& text = {}, quint32 scanCode = 0) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
    return translateKey(event);
}

// The program's keys whatever the layout and Caps Lock: Qt names a letter key by its
// capital, a Polish letter typed with AltGr by its own code point, a Cyrillic one by a symbol
// that only its place on the keyboard ties to a Latin letter.
TEST(QtKeysTest, LettersAndDigitsAreTheProgramsKeysOnEveryLayout) {
    const struct {
        ui::KeyPress press;
        char character;
    } cases[] = {
        {qtKey(Qt::Key_Z, Qt::NoModifier, "z"), 'Z'},
        {qtKey(Qt::Key_Z, Qt::ShiftModifier, "z"), 'Z'},  // Caps Lock and Shift: "z"
        {qtKey(Qt::Key_P, Qt::NoModifier, "P"), 'P'},      // Caps Lock: "P"
        {qtKey(0x17C, Qt::GroupSwitchModifier, QStringLiteral(u"ż")), 'Z'},  // AltGr+Z
        {qtKey(0x144, Qt::NoModifier, QStringLiteral(u"ń")), 'N'},
        {qtKey(0x17A, Qt::NoModifier, QStringLiteral(u"ź")), 'X'},
        {qtKey(0x44F, Qt::NoModifier, QStringLiteral(u"я"), 52), 'Z'},  // a Cyrillic layout
        {qtKey(0x442, Qt::NoModifier, QStringLiteral(u"т"), 57), 'N'},
        {qtKey(Qt::Key_3, Qt::KeypadModifier, "3"), '3'},
        {qtKey(Qt::Key_1, Qt::NoModifier, "1"), '1'},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.press.is(c.character)) << c.character;
    }
    EXPECT_TRUE(qtKey(Qt::Key_S, Qt::ControlModifier).withCtrl('S'));
    EXPECT_FALSE(qtKey(Qt::Key_Z, Qt::ControlModifier, "\x1a").is('Z'));
    EXPECT_FALSE(qtKey(Qt::Key_P, Qt::AltModifier, "p").is('P'));
    EXPECT_EQ(qtKey(Qt::Key_F1).key, ui::Key::None);
    EXPECT_TRUE(translateKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z", true)).repeat);
    EXPECT_FALSE(qtKey(Qt::Key_Z, Qt::NoModifier, "z").repeat);
    EXPECT_EQ(qtKey(Qt::Key_Comma, Qt::NoModifier, ",").key, ui::Key::None);
    EXPECT_TRUE(qtKey(Qt::Key_Enter, Qt::KeypadModifier).plain(ui::Key::Enter));
    const ui::KeyPress ctrlEnter = qtKey(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(ctrlEnter.key == ui::Key::Enter && ctrlEnter.ctrl);
}

// A box over the frame keeps the keys that edit its text; Escape, Ctrl+Enter and a one-line
// box's Enter answer the screen.
TEST_F(MainWindowTest, ABoxHandsTheScreenOnlyTheKeysThatAnswerIt) {
    std::vector<ui::KeyPress> keys;
    window.setKeyHandler([&](const ui::KeyPress& k) {
        keys.push_back(k);
        return true;
    });
    auto& editor = static_cast<QtTextControl&>(window.control(ui::ControlId::NoteEditor));
    auto& name = static_cast<QtTextControl&>(window.control(ui::ControlId::SaveName));
    for (QtTextControl* box : {&editor, &name}) {
        box->setText("");
        box->setVisible(true);
        box->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(box->widget(), "zp");
        QTest::keyClick(box->widget(), Qt::Key_Return);
        QTest::keyClick(box->widget(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(box->widget(), Qt::Key_Escape);
        box->setVisible(false);
    }
    EXPECT_EQ(editor.text(), "zp\r\n");
    EXPECT_EQ(name.text(), "zp");
    ASSERT_EQ(keys.size(), 5u);
    EXPECT_TRUE(keys[0].key == ui::Key::Enter && keys[0].ctrl);  // the editor's Ctrl+Enter
    EXPECT_TRUE(keys[1].plain(ui::Key::Escape));
    EXPECT_TRUE(keys[2].plain(ui::Key::Enter));  // the one-line box's Enter
    EXPECT_TRUE(keys[3].key == ui::Key::Enter && keys[3].ctrl);
    EXPECT_TRUE(keys[4].plain(ui::Key::Escape));

    // Without a box, the window's keys, and a double click, reach the program.
    keys.clear();
    QTest::keyClick(&window, Qt::Key_N);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_TRUE(keys[0].is('N'));
    ui::Point doubled{-1, -1};
    window.setDoubleClickHandler([&](int x, int y) { doubled = {x, y}; });
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 400));
    EXPECT_EQ(doubled, (ui::Point{300, 400}));
}

}  // namespace
}  // namespace lun4::platform
