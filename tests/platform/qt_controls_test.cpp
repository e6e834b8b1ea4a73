#include "platform/qt/qt_controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"
#include "screens/assessment/recommendation_editor.h"
#include "ui/qt/qt_fonts.h"

namespace lun4::platform {
namespace {

using ui::ControlId;

// The three display sizes a note must not depend on: 800x600, 1024x768 and 1920x1080.
constexpr double kScales[] = {800.0 / 1024, 1.0, 1080.0 / 768};
// More frame scales at which a box must show its text whole.
constexpr double kMoreScales[] = {1280.0 / 1024, 1366.0 / 1024, 900.0 / 768};

class ControlsTest : public ::testing::Test {
  protected:
    ControlsTest() {
        window.resize(1920, 1080);
        window.show();
    }
    QtTextControl& control(ControlId id, double scale = 1.0) {
        auto& slot = controls[static_cast<int>(id)];
        slot = std::make_unique<QtTextControl>(&window, ui::controlLayout(id));
        slot->place(FrameMapping{scale, 0, 0});
        slot->setVisible(true);
        slot->setFocus();
        QApplication::processEvents();
        return *slot;
    }
    static void key(QtTextControl& c, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(c.widget(), &press);
    }
    static void toEnd(QtTextControl& c) {
        key(c, Qt::Key_End, Qt::ControlModifier);
        key(c, Qt::Key_End);
    }
    static void toStart(QtTextControl& c) {
        key(c, Qt::Key_Home, Qt::ControlModifier);
        key(c, Qt::Key_Home);
    }
    static void type(QtTextControl& c, const QString& text) {
        for (const QChar ch : text) key(c, 0, Qt::NoModifier, QString(ch));
    }
    static QString shown(const QtTextControl& c) {
        QString text = QString::fromStdString(cp1250::toUtf8(c.text()));
        return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    static void setClipboard(QMimeData* data) { QApplication::clipboard()->setMimeData(data); }
    static std::string toCp(const QString& text) {
        return cp1250::fromUtf8Lossy(text.toStdString());
    }

    QWidget window;
    std::unique_ptr<QtTextControl> controls[ui::kControlCount];
};

constexpr ControlId kMultiLine[] = {
    ControlId::HomeAddress, ControlId::Contacts,   ControlId::FacilityAddress,
    ControlId::Siblings,    ControlId::Guardians,  ControlId::AdditionalInfo,
    ControlId::ReportBoxA,  ControlId::NoteEditor,
};

TEST_F(ControlsTest, PasteFromAnEmptyClipboardChangesNothingInAnyBox) {
    for (int i = 0; i < ui::kControlCount; ++i) {
        SCOPED_TRACE(i);
        QtTextControl& c = control(static_cast<ControlId>(i));
        c.setText("abc");
        // What X11 hands over when nothing was copied: data without a single format. Then
        // data with no text in it, and no data at all.
        for (QMimeData* data : {new QMimeData, new QMimeData, static_cast<QMimeData*>(nullptr)}) {
            if (data && !data->formats().isEmpty()) continue;
            setClipboard(data);
            key(c, Qt::Key_V, Qt::ControlModifier);
            key(c, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(c.text(), "abc");
        }
        auto* picture = new QMimeData;
        picture->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        setClipboard(picture);
        key(c, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.text(), "abc");
    }
}

// Pasting and typing refuse the same characters ("§", the file's separator, and those cp1250
// cannot hold) and say so alike, in a short note under the box; control characters go quietly.
TEST_F(ControlsTest, PastedTextIsFilteredLikeTypingAndPlainOnly) {
    const QString copied = QStringLiteral(u"Żółć § 5 mañana £ ø ã ¥ 😀\r\nul. Długa\t7");
    const QString note = QStringLiteral(
        u"Znaków „§”, „ñ”, „£”, „ø”, „ã”, „¥”, „😀” nie można zapisać w pliku badania. Zamiast „§” "
        u"wpisz „par.”.");
    for (ControlId id : kMultiLine) {
        SCOPED_TRACE(static_cast<int>(id));
        QtTextControl& c = control(id);
        QToolTip::hideText();
        auto* data = new QMimeData;
        data->setText(copied);
        data->setHtml(QStringLiteral("<b>pogrubione</b>"));
        setClipboard(data);
        key(c, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown(c), QStringLiteral(u"Żółć  5 maana     \nul. Długa7"));
        EXPECT_EQ(QToolTip::text(), note);
    }
    QtTextControl& date = control(ControlId::BirthDate);
    auto* data = new QMimeData;
    data->setText(QStringLiteral("01.02\n2003\n"));
    setClipboard(data);
    QToolTip::hideText();
    key(date, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown(date), QStringLiteral("01.02 2003"));
    EXPECT_FALSE(QToolTip::isVisible());  // nothing refused, nothing said
    // Typing goes through the same filter and says the same.
    type(date, QStringLiteral(u"ñ"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral(u"Znaku „ñ” nie można zapisać w pliku badania."));
    type(date, QStringLiteral(u"§"));
    EXPECT_EQ(shown(date), QStringLiteral("01.02 2003"));
    EXPECT_EQ(QToolTip::text(),
              QStringLiteral(u"Znaku „§” nie można zapisać w pliku badania. Zamiast „§” wpisz "
                             u"„par.”."));
    // The same for a paste into the one-line box.
    auto* mixed = new QMimeData;
    mixed->setText(QStringLiteral(u"§ñ"));
    setClipboard(mixed);
    QToolTip::hideText();
    key(date, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(date), QStringLiteral("01.02 2003"));
    EXPECT_EQ(QToolTip::text(),
              QStringLiteral(u"Znaków „§”, „ñ” nie można zapisać w pliku badania. Zamiast „§” "
                             u"wpisz „par.”."));
}

// The gender boxes are drawn whole, border and tick, at every size the frame is shown in.
TEST_F(ControlsTest, TheTickedGenderBoxIsWholeAtEverySize) {
    for (double scale : {600.0 / 768, 1.0, 1080.0 / 768}) {
        SCOPED_TRACE(scale);
        QtCheckBox box(&window, ui::checkBoxLayout(ui::CheckBoxId::Male));
        box.place(FrameMapping{scale, 0, 0});
        box.setVisible(true);
        box.setChecked(true);
        const QImage image = box.widget()->grab().toImage();
        const int w = image.width();
        const int h = image.height();
        ASSERT_LE(std::abs(w - 13 * scale), 1.0);
        ASSERT_LE(std::abs(h - 13 * scale), 1.0);
        const auto darkerThan = [&](int x, int y, int level) {
            return qGray(image.pixel(x, y)) < level;
        };
        // The border on all four edges, at their middle.
        EXPECT_TRUE(darkerThan(0, h / 2, 235));
        EXPECT_TRUE(darkerThan(w - 1, h / 2, 235));
        EXPECT_TRUE(darkerThan(w / 2, 0, 235));
        EXPECT_TRUE(darkerThan(w / 2, h - 1, 235));
        // The tick inside it.
        int tick = 0;
        for (int y = 2; y < h - 2; ++y) {
            for (int x = 2; x < w - 2; ++x) tick += darkerThan(x, y, 110);
        }
        EXPECT_GE(tick, 3);
        // A click anywhere in the box reaches it.
        int clicks = 0;
        box.setOnClicked([&] { ++clicks; });
        QTest::mouseClick(box.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(w - 1, h - 1));
        EXPECT_EQ(clicks, 1);
    }
}

TEST_F(ControlsTest, APasteTooLongForTheBoxKeepsWhatFits) {
    QString words;
    for (int i = 0; i < 200; ++i) words += QStringLiteral("wyraz%1 ").arg(i);
    for (ControlId id : {ControlId::HomeAddress, ControlId::NoteEditor, ControlId::FullName}) {
        SCOPED_TRACE(static_cast<int>(id));
        QtTextControl& c = control(id);
        c.setText(cp1250::fromUtf8Lossy("Na początku: "));
        auto* data = new QMimeData;
        data->setText(words);
        setClipboard(data);
        toEnd(c);
        key(c, Qt::Key_V, Qt::ControlModifier);
        const QString now = shown(c);
        EXPECT_TRUE(now.startsWith(QStringLiteral(u"Na początku: wyraz0 wyraz1")))
            << now.toStdString();
        EXPECT_TRUE(c.accepts(now));
        const QString pasted = now.mid(13);
        ASSERT_TRUE(words.startsWith(pasted));
        EXPECT_FALSE(c.accepts(now + words[pasted.size()]));
    }
}

// What the note editor's OK stores: the lines in the 1024x768 frame, each with "\r\n". Read
// back ten times in a row at 1024x768, 1280x1024 and 1920x1080, a note typed in the box and a
// note loaded from a file give the same bytes every time, and the same at every size.
TEST_F(ControlsTest, TheNoteReadBackIsTheSameTenTimesOverAtEveryDisplaySize) {
    const double scales[] = {1.0, 1280.0 / 1024, 1080.0 / 768};
    QString typed;
    for (int i = 0; i < 25; ++i) typed += QStringLiteral(u"Ćwiczenie %1 z terapeutą/opiekunem, ").arg(i * 37);
    typed += QStringLiteral(u"koniec.\nOstatni wiersz.\n");
    std::vector<std::string> loaded;
    for (int k : {1, 14, 69, 121, 168}) {
        loaded.emplace_back(defaultRecommendation(RecommendationKind::Fail, k));
        loaded.emplace_back(defaultRecommendation(RecommendationKind::Emerging, k));
    }
    const auto readBack = [](QtTextControl& editor) {
        return noteFromDisplayedLines(editor.displayedLines());
    };
    for (size_t n = 0; n <= loaded.size(); ++n) {
        const bool typing = n == loaded.size();
        std::vector<std::string> storedAt;
        for (double scale : scales) {
            SCOPED_TRACE(scale);
            QtTextControl& editor = control(ControlId::NoteEditor, scale);
            if (typing) {
                for (const QString& line : typed.split(QChar('\n'))) {
                    if (!shown(editor).isEmpty()) key(editor, Qt::Key_Return);
                    type(editor, line);
                }
                ASSERT_EQ(shown(editor), typed);
            } else {
                editor.setText(editorTextOf(loaded[n]));
            }
            const std::string first = readBack(editor);
            for (int i = 0; i < 10; ++i) {
                editor.setText(editorTextOf(first));
                ASSERT_EQ(readBack(editor), first) << i;
            }
            storedAt.push_back(first);
        }
        EXPECT_EQ(storedAt[1], storedAt[0]);
        EXPECT_EQ(storedAt[2], storedAt[0]);
        EXPECT_GE(std::count(storedAt[0].begin(), storedAt[0].end(), '\n'), 2);
    }
}

// The editor takes no more than a note holds with the "\r\n" after every line (1,499 bytes),
// so that nothing it accepted is cut off when stored.
TEST_F(ControlsTest, TheNoteEditorTakesOnlyWhatTheNoteHolds) {
    QtTextControl& editor = control(ControlId::NoteEditor);
    const QString narrow = QStringLiteral("il ").repeated(700);
    type(editor, narrow);
    const QString taken = shown(editor);
    ASSERT_TRUE(narrow.startsWith(taken));
    ASSERT_LT(taken.size(), narrow.size());
    const std::string stored = noteFromDisplayedLines(editor.displayedLines());
    EXPECT_LE(stored.size(), 1499u);
    EXPECT_GT(stored.size(), 1490u);
    std::string joined;
    for (const std::string& line : editor.displayedLines()) joined += line;
    EXPECT_EQ(joined, toCp(taken));
}

// The lines a multi-line box shows on the screen, every block laid out.
int screenLines(QtTextControl& box) {
    auto* edit = static_cast<QPlainTextEdit*>(box.widget());
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(edit->document()->documentLayout());
    int lines = 0;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next()) {
        layout->ensureBlockLayout(b);
        lines += b.layout()->lineCount();
    }
    return lines;
}

// What fills the box in the frame is on screen whole, without scrolling, at every size; once
// stored, its lines are the lines on the screen.
TEST_F(ControlsTest, EveryNoteFitsTheBoxAtEveryDisplaySize) {
    QtTextControl probe(&window, ui::controlLayout(ControlId::NoteEditor));
    std::vector<QString> notes;
    for (int k = 1; k <= kItemCount; ++k) {
        for (auto kind : {RecommendationKind::Emerging, RecommendationKind::Fail}) {
            QString t = ui::toQString(defaultRecommendation(kind, k));
            notes.push_back(t.replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        }
    }
    QString full;
    for (int i = 0; probe.accepts(full + QStringLiteral("wiersz %1 ").arg(i).repeated(6)); ++i) {
        full += QStringLiteral("wiersz %1 ").arg(i).repeated(6);
    }
    notes.push_back(full);
    std::vector<QString> stored;
    for (const QString& note : notes) {
        probe.setText(toCp(note));
        QString lines;
        for (const std::string& line : probe.displayedLines()) lines += ui::toQString(line) + "\n";
        stored.push_back(lines.chopped(1));
    }
    std::vector<double> scales(std::begin(kScales), std::end(kScales));
    scales.insert(scales.end(), std::begin(kMoreScales), std::end(kMoreScales));
    for (double scale : scales) {
        SCOPED_TRACE(scale);
        QtTextControl& editor = control(ControlId::NoteEditor, scale);
        for (size_t i = 0; i < notes.size(); ++i) {
            editor.setText(toCp(stored[i]));
            const int frameLines = static_cast<int>(editor.displayedLines().size());
            ASSERT_EQ(screenLines(editor), frameLines) << stored[i].toStdString();
            editor.setText(toCp(notes[i]));
            ASSERT_LE(screenLines(editor), frameLines) << notes[i].toStdString();
        }
        auto* edit = static_cast<QPlainTextEdit*>(editor.widget());
        edit->moveCursor(QTextCursor::End);
        QApplication::processEvents();
        EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
        EXPECT_EQ(edit->verticalScrollBar()->maximum(), 0);
    }
}

// On a frame drawn larger (1920x1080: 1.4 times) the boxes' type grows with it, to within a
// pixel of the frame's type scaled.
TEST_F(ControlsTest, TheBoxesTypeGrowsWithTheFrame) {
    for (double scale : {1080.0 / 768, 1280.0 / 1024, 800.0 / 1024}) {
        for (int i = 0; i < ui::kControlCount; ++i) {
            const auto id = static_cast<ControlId>(i);
            SCOPED_TRACE(testing::Message() << scale << " box " << i);
            const int frame = ui::qtFont(ui::controlLayout(id).font).pixelSize();
            const int screen = control(id, scale).widget()->font().pixelSize();
            EXPECT_GE(screen, std::floor(frame * scale) - 1);
            EXPECT_LE(screen, frame * scale);
        }
    }
}

// Text from a file written elsewhere may hold more than a box shows. Every deletion and every
// change that does not lengthen it is taken; only additions that do not fit are refused.
TEST_F(ControlsTest, OverFullBoxesCanAlwaysBeShortened) {
    QString thirtyLines;
    for (int i = 1; i <= 30; ++i) thirtyLines += QStringLiteral("wiersz %1\n").arg(i);
    QString paragraph;
    while (paragraph.size() < 1490) paragraph += QStringLiteral("zalecenie ");
    paragraph.truncate(1490);
    struct Case {
        ControlId id;
        QString text;
    };
    const Case cases[] = {{ControlId::NoteEditor, thirtyLines},
                          {ControlId::NoteEditor, thirtyLines.chopped(1)},
                          {ControlId::NoteEditor, paragraph},
                          {ControlId::HomeAddress, thirtyLines.left(300)},
                          {ControlId::BirthDate, QString(60, QChar('9'))}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text.left(20).toStdString());
        QtTextControl& c = control(test.id);
        c.setText(test.text.toStdString());
        ASSERT_EQ(shown(c), test.text);
        ASSERT_FALSE(c.accepts(test.text));  // over-full

        toEnd(c);
        type(c, QStringLiteral("x"));
        EXPECT_EQ(shown(c), test.text);  // an addition that does not fit
        key(c, Qt::Key_Backspace);
        EXPECT_EQ(shown(c), test.text.chopped(1));
        toStart(c);
        key(c, Qt::Key_Delete);
        EXPECT_EQ(shown(c), test.text.mid(1, test.text.size() - 2));
        // Overtyping a selected character with another one keeps the length.
        key(c, Qt::Key_Right, Qt::ShiftModifier);
        type(c, QStringLiteral("Q"));
        const QString replaced = QStringLiteral("Q") + test.text.mid(2, test.text.size() - 3);
        EXPECT_EQ(shown(c), replaced);

        // Shortened one character at a time until it fits; from then on it takes typing again.
        toEnd(c);
        int removed = 0;
        while (!c.accepts(shown(c)) && removed < 2000) {
            key(c, Qt::Key_Backspace);
            ++removed;
        }
        EXPECT_EQ(shown(c), replaced.chopped(removed));
        EXPECT_TRUE(c.accepts(shown(c)));
        const QString fitted = shown(c);
        key(c, Qt::Key_Backspace);
        type(c, QStringLiteral("z"));
        EXPECT_EQ(shown(c), fitted.chopped(1) + QStringLiteral("z"));
    }
}

}  // namespace
}  // namespace lun4::platform
