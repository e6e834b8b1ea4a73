// Composing and presenting screens against the floor cases (one frame copy, one line of
// text), with the generated data folder of the build. Run with scripts/bench.sh.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

#include "files/recovery_file.h"
#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_controls.h"
#include "ui/qt/qt_fonts.h"
#include "reports/chart.h"
#include "reports/comparison_document.h"
#include "reports/narrative_report.h"
#include "reports/summary_form.h"
#include "screens/assessment/data_form.h"
#include "screens/assessment/item_screens.h"
#include "screens/controller/screen_controller.h"
#include "screens/filescreens/crash_recovery.h"
#include "screens/filescreens/file_screens.h"
#include "screens/screen_ids.h"
#include "ui/recording_surface.h"

namespace {

using namespace lun4;

struct Program {
    platform::DataPaths paths{LUN4_RUN_DIR};
    platform::MainWindow window{paths, 32};
    AppState state;
    Buttons buttons{window.images()};
    ScreenController controller{window, buttons, state};
    ItemScreens items{controller};
    Program() { controller.addModule(items); }
};

// Made on first use, destroyed before the application object.
std::unique_ptr<Program> theProgram;

Program& program() {
    if (!theProgram) theProgram = std::make_unique<Program>();
    return *theProgram;
}

void composeScreen(benchmark::State& st, int screenId) {
    Program& p = program();
    p.state.screenId = screenId;
    p.controller.compose();  // warm: bitmaps are read once
    for (auto _ : st) p.controller.compose();
}

void BM_FrameCopy(benchmark::State& st) {
    ui::QtSurface a;
    ui::QtSurface b;
    for (auto _ : st) {
        a.copyWhole(b);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameCopy);

void BM_OneLineOfText(benchmark::State& st) {
    ui::QtSurface s;
    s.setFont(ui::FontId::Title);
    s.setBackgroundMode(ui::BackgroundMode::Transparent);
    for (auto _ : st) {
        s.drawText("Obszar obserwacji w szkole i pracy", {220, 72, 775, 94},
                   ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine);
    }
}
BENCHMARK(BM_OneLineOfText);

void BM_EntryScreen(benchmark::State& st) {
    composeScreen(st, screen::kEntry);
}
BENCHMARK(BM_EntryScreen);
void BM_MainMenu(benchmark::State& st) {
    composeScreen(st, screen::kMainMenu);
}
BENCHMARK(BM_MainMenu);
void BM_AreaMenu(benchmark::State& st) {
    composeScreen(st, 5);
}
BENCHMARK(BM_AreaMenu);

void BM_ItemList(benchmark::State& st) {
    composeScreen(st, 41);
}
BENCHMARK(BM_ItemList);

// Every composition decodes its task page: the items cycle far beyond the pages kept.
void BM_ItemPageWithDecode(benchmark::State& st) {
    Program& p = program();
    p.state.screenId = screen::kItemPage;
    int k = 0;
    for (auto _ : st) {
        p.state.currentItem = k % 168 + 1;
        k += 7;
        p.controller.compose();
    }
}
BENCHMARK(BM_ItemPageWithDecode);

// Stepping to the next item as the user does: between two steps the program is idle and
// decodes the neighbours ahead.
void BM_StepToNextItem(benchmark::State& st) {
    Program& p = program();
    p.state.screenId = screen::kItemPage;
    p.state.currentItem = 1;
    p.controller.compose();
    for (auto _ : st) {
        st.PauseTiming();
        QCoreApplication::processEvents();
        p.state.currentItem = p.state.currentItem % 168 + 1;
        st.ResumeTiming();
        p.controller.compose();
    }
}
BENCHMARK(BM_StepToNextItem);

// Scoring from the keyboard: one key scores the item and shows the next one. Between two
// presses the program is idle and decodes the neighbours ahead, so no page is decoded here.
void BM_ScoreByKeyAndShowTheNextItem(benchmark::State& st) {
    Program& p = program();
    const auto startOver = [&p] {
        p.state.record = ExamineeRecord{};
        p.state.screenId = screen::kItemPage;
        p.state.currentItem = 1;
        p.controller.compose();
    };
    startOver();
    for (auto _ : st) {
        st.PauseTiming();
        if (p.state.currentItem == kItemCount) startOver();
        QCoreApplication::processEvents();
        st.ResumeTiming();
        p.controller.keyPressed(ui::letter('Z'));
    }
}
BENCHMARK(BM_ScoreByKeyAndShowTheNextItem);

// Documents: each page composed into back buffer 0 as its preview does, and presented. A
// record with every score code, so that every bar and cell shows all four colours.
void scoreEveryWay(ExamineeRecord& record) {
    static const char codes[] = "gyrbgg";
    for (int k = 1; k <= kItemCount; ++k) record.scores[k] = codes[k % 6];
}

// Lines of text a composition draws, counted on a recording of it: compare with the
// one-line-of-text floor.
template <typename Compose>
double textLinesOf(Compose compose) {
    ui::RecordingSurface back0("back0"), back1("back1"), back2("back2");
    ui::FakeImageSource images;
    compose(back0, back1, back2, images);
    int lines = 0;
    for (const auto& c : back0.callsOf(ui::DrawCall::Text))
        lines += 1 + static_cast<int>(std::count(c.name.begin(), c.name.end(), '\n'));
    return lines;
}

template <typename ComposePage>
void chartPage(benchmark::State& st, ComposePage composePage) {
    Program& p = program();
    scoreEveryWay(p.state.record);
    ui::Surface& page = p.window.backBuffer(0);
    composePage(page, p.window.images(), p.state.record, reports::ChartMode::Preview);
    for (auto _ : st) {
        composePage(page, p.window.images(), p.state.record, reports::ChartMode::Preview);
        p.window.present();
    }
    st.counters["text_lines"] =
        textLinesOf([&](ui::Surface& b0, ui::Surface&, ui::Surface&, ui::ImageSource& images) {
            composePage(b0, images, p.state.record, reports::ChartMode::Preview);
        });
}

void BM_ChartPage1(benchmark::State& st) {
    chartPage(st, reports::composeChartPage1);
}
BENCHMARK(BM_ChartPage1);
void BM_ChartPage2(benchmark::State& st) {
    chartPage(st, reports::composeChartPage2);
}
BENCHMARK(BM_ChartPage2);

// The comparison's first page, its counts table, paired bars and summary, composed as its
// preview composes it and presented: its target is chart page 1's cost.
void BM_ComparisonPage1(benchmark::State& st) {
    Program& p = program();
    scoreEveryWay(p.state.record);
    auto earlier = std::make_unique<ExamineeRecord>(p.state.record);
    // Every third item one step lower than now: progress, regress and newly scored items.
    for (int k = 1; k <= kItemCount; k += 3) earlier->scores[k] = "brgy"[k % 4];
    ui::Surface& page = p.window.backBuffer(0);
    auto compose = [&](ui::Surface& target, ui::ImageSource& images) {
        const reports::ComparisonDocument document(*earlier, p.state.record);
        document.composePage(target, images, 1, reports::ChartMode::Preview);
    };
    compose(page, p.window.images());
    for (auto _ : st) {
        compose(page, p.window.images());
        p.window.present();
    }
    st.counters["text_lines"] = textLinesOf([&](ui::Surface& b0, ui::Surface&, ui::Surface&,
                                                ui::ImageSource& images) { compose(b0, images); });
}
BENCHMARK(BM_ComparisonPage1);

// The summary form's first part (sheets 1 and 2) in the screen variant, then the first preview
// page's copy of sheet 1 and the present.
void BM_SummaryFormPart(benchmark::State& st) {
    Program& p = program();
    scoreEveryWay(p.state.record);
    reports::PageBuffers buffers{p.window.backBuffer(0), p.window.backBuffer(1),
                                 p.window.backBuffer(2)};
    auto compose = [&] {
        reports::composeSummaryForm(1, reports::SummaryVariant::Screen, buffers, p.window.images(),
                                    p.state.record);
        buffers.back0.copyFrom(buffers.back1, {60, 50, 960, 610}, 50, 70);
        p.window.present();
    };
    compose();
    for (auto _ : st) compose();
    st.counters["text_lines"] = textLinesOf(
        [&](ui::Surface& b0, ui::Surface& b1, ui::Surface& b2, ui::ImageSource& images) {
            reports::composeSummaryForm(1, reports::SummaryVariant::Screen, {b0, b1, b2}, images,
                                        p.state.record);
        });
}
BENCHMARK(BM_SummaryFormPart);

// ===== Narrative report =====
// The report preview as it composes a page: the page itself into back buffer 0, the whole
// report laid out on the way to learn its page count, then presented.

ExamineeRecord passedRecord() {
    ExamineeRecord record;
    setText(record.firstName, "Jan");
    setText(record.lastName, "Kowalski");
    for (int k = 1; k <= kItemCount; ++k) record.scores[k] = kPass;
    return record;
}

// Every item emerging with its default recommendation as the note.
ExamineeRecord emergingRecord() {
    ExamineeRecord record = passedRecord();
    for (int k = 1; k <= kItemCount; ++k) {
        record.scores[k] = kEmerging;
        setText(record.notes[k], defaultRecommendation(RecommendationKind::Emerging, k));
    }
    return record;
}

// Every item failed with an elaborated note of 18 lines: a report of about 150 pages.
ExamineeRecord longestRecord() {
    ExamineeRecord record = passedRecord();
    for (int k = 1; k <= kItemCount; ++k) {
        record.scores[k] = kFail;
        std::string note;
        for (int line = 1; line <= 18; ++line) {
            note += "Pozycja " + std::to_string(k) + ", wiersz " + std::to_string(line) +
                    ": cwiczenia z terapeuta przy stoliku, krok po kroku.\r\n";
        }
        setText(record.notes[k], note);
    }
    return record;
}

void showLastReportPage(benchmark::State& st, const ExamineeRecord& record) {
    Program& p = program();
    reports::NarrativeReport report;
    const reports::CoverTexts cover;
    ui::Surface& page = p.window.backBuffer(0);
    report.composePage(page, p.window.images(), record, cover, 1);
    const int last = report.pageCount();
    for (auto _ : st) {
        report.composePage(page, p.window.images(), record, cover, last);
        p.window.present();
    }
    st.counters["pages"] = last;
}

void BM_ReportLastPageOf13(benchmark::State& st) {
    showLastReportPage(st, passedRecord());
}
BENCHMARK(BM_ReportLastPageOf13);

void BM_ReportLastPageLongReport(benchmark::State& st) {
    showLastReportPage(st, emergingRecord());
}
BENCHMARK(BM_ReportLastPageLongReport);

void BM_ReportLastPageOf150(benchmark::State& st) {
    showLastReportPage(st, longestRecord());
}
BENCHMARK(BM_ReportLastPageOf150);

// The same page shown first after the notes were loaded: every note line is measured once.
void BM_ReportLastPageLongReportFirstShow(benchmark::State& st) {
    Program& p = program();
    const ExamineeRecord record = emergingRecord();
    const reports::CoverTexts cover;
    ui::Surface& page = p.window.backBuffer(0);
    for (auto _ : st) {
        // The cover is shown first, then the last page, as a user pages to it.
        reports::NarrativeReport report;
        report.composePage(page, p.window.images(), record, cover, 1);
        report.composePage(page, p.window.images(), record, cover, report.pageCount());
        p.window.present();
    }
}
BENCHMARK(BM_ReportLastPageLongReportFirstShow);

// ---------------------------------------------------------------------------------------------
// The note editor with a note of some 1,300 bytes: what every keystroke costs (the edit judged,
// the whole note laid out in the frame to see whether it still fits) and what OK reads back.

platform::QtTextControl& fullNoteEditor() {
    Program& p = program();
    auto& editor =
        static_cast<platform::QtTextControl&>(p.window.control(ui::ControlId::NoteEditor));
    std::string note;
    while (note.size() < 1300) {
        note += cp1250::fromUtf8Lossy("Ćwiczenia z terapeutą/opiekunem, codziennie po 10 minut. ");
    }
    editor.setText(note);
    return editor;
}

void BM_NoteEditorKeystroke(benchmark::State& st) {
    platform::QtTextControl& editor = fullNoteEditor();
    const QString before = ui::toQString(editor.text());
    const QString after = before + QStringLiteral("x");
    for (auto _ : st) benchmark::DoNotOptimize(editor.judge(before, after));
}
BENCHMARK(BM_NoteEditorKeystroke);

void BM_NoteEditorReadBack(benchmark::State& st) {
    platform::QtTextControl& editor = fullNoteEditor();
    for (auto _ : st) benchmark::DoNotOptimize(editor.displayedLines());
}
BENCHMARK(BM_NoteEditorReadBack);

// ---------------------------------------------------------------------------------------------
// Crash recovery: a score click on the item page, with the recovery copy written after it
// (on) and without (off). The record is a worked one: half the items scored, with their notes.

struct ScoringProgram {
    explicit ScoringProgram(bool recoveryOn)
        : store(std::filesystem::temp_directory_path() /
                ("lun4_bench_recovery_" + std::to_string(::getpid()))) {
        controller.addModule(files);
        controller.addModule(form);
        controller.addModule(items);
        if (recoveryOn) recovery.emplace(controller, files, store);
        for (int k = 1; k <= kItemCount; k += 2) {
            state.record.scores[k] = kFail;
            setText(state.record.notes[k], defaultRecommendation(RecommendationKind::Fail, k));
        }
        state.screenId = screen::kItemPage;
        state.currentItem = 14;
        controller.compose();
    }
    ~ScoringProgram() { std::filesystem::remove_all(store.folder()); }
    void click(const ui::SkinButton& button) {
        const int x = button.x() + button.width() / 2;
        const int y = button.y() + button.height() / 2;
        state.lastMouse = {x, y};
        controller.mouseMoved(x, y);  // a button acts only when the mouse is on it
        controller.leftButtonDown(x, y);
    }

    platform::DataPaths paths{LUN4_RUN_DIR};
    platform::MainWindow window{paths, 32};
    AppState state;
    Buttons buttons{window.images()};
    ScreenController controller{window, buttons, state};
    DataForm form{controller};
    FileScreens files{controller, form, std::filesystem::temp_directory_path()};
    ItemScreens items{controller};
    RecoveryStore store;
    std::optional<CrashRecovery> recovery;
};

// Green and yellow in turn: each click changes the score (yellow also the note) and composes
// the item page again.
void BM_ScoreClick(benchmark::State& st, bool recoveryOn) {
    ScoringProgram p(recoveryOn);
    bool green = true;
    for (auto _ : st) {
        p.click(green ? p.buttons.green : p.buttons.yellow);
        green = !green;
    }
    if (p.state.record.scores[14] != kPass && p.state.record.scores[14] != kEmerging) {
        st.SkipWithError("the clicks did not score the item");
    }
    if (recoveryOn && !p.store.find()) st.SkipWithError("no recovery copy was written");
}
BENCHMARK_CAPTURE(BM_ScoreClick, recovery_off, false);
BENCHMARK_CAPTURE(BM_ScoreClick, recovery_on, true);

}  // namespace

int main(int argc, char** argv) {
    platform::keepPictureMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theProgram.reset();
    return 0;
}
