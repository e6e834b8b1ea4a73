// Composing and presenting screens against the floor cases (one frame copy, one line of
// text), with the generated data folder of the build. Run with scripts/bench.sh.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/main_window.h"
#include "screens/controller/screen_controller.h"
#include "screens/screen_ids.h"

namespace {

using namespace lun4;

struct Program {
    platform::DataPaths paths{LUN4_RUN_DIR};
    platform::MainWindow window{paths, 32};
    AppState state;
    Buttons buttons{window.images()};
    ScreenController controller{window, buttons, state};
};

Program& program() {
    static Program p;
    return p;
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

void BM_EntryScreen(benchmark::State& st) { composeScreen(st, screen::kEntry); }
BENCHMARK(BM_EntryScreen);
void BM_MainMenu(benchmark::State& st) { composeScreen(st, screen::kMainMenu); }
BENCHMARK(BM_MainMenu);
void BM_AreaMenu(benchmark::State& st) { composeScreen(st, 5); }
BENCHMARK(BM_AreaMenu);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
