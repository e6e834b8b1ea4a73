// Whole documents written to PDF, as the print job and the command line write them: every
// page composed as a recording and replayed onto the PDF's pages.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/data_paths.h"
#include "platform/qt/qt_image_source.h"
#include "platform/qt/qt_print_target.h"
#include "reports/print_job.h"

namespace {

using namespace lun4;
namespace fs = std::filesystem;

void writePdf(benchmark::State& st, reports::Document document, const ExamineeRecord& record,
              const ExamineeRecord* earlier = nullptr) {
    platform::DataPaths paths{LUN4_RUN_DIR};
    platform::QtImageSource images(paths, 32);
    reports::NarrativeReport report;
    const fs::path out =
        fs::temp_directory_path() / ("lun4_bench_" + std::to_string(::getpid()) + ".pdf");
    const reports::PrintSources sources{
        images, record, report, {"Kraków, 3 marca 2026", "Poradnia"}, 0, earlier};
    for (auto _ : st) {
        auto target = platform::QtPrintTarget::pdfFile(out);
        if (reports::printDocument(document, *target, sources) != reports::PrintResult::Printed) {
            st.SkipWithError("the PDF was not written");
            break;
        }
    }
    std::error_code ec;
    st.counters["bytes"] = static_cast<double>(fs::file_size(out, ec));
    fs::remove(out, ec);
}

void BM_ReportOf13PagesToPdf(benchmark::State& st) {
    ExamineeRecord record;
    std::fill(record.scores.begin() + 1, record.scores.end(), kPass);
    writePdf(st, reports::Document::NarrativeReport, record);
}
BENCHMARK(BM_ReportOf13PagesToPdf)->Unit(benchmark::kMillisecond);

void BM_SummaryFormToPdf(benchmark::State& st) {
    ExamineeRecord record;
    for (int k = 1; k <= 168; ++k) record.scores[k] = "gyrb"[k % 4];
    writePdf(st, reports::Document::SummaryForm, record);
}
BENCHMARK(BM_SummaryFormToPdf)->Unit(benchmark::kMillisecond);

void BM_ChartToPdf(benchmark::State& st) {
    ExamineeRecord record;
    for (int k = 1; k <= 168; ++k) record.scores[k] = "gyrb"[k % 4];
    writePdf(st, reports::Document::ProfileChart, record);
}
BENCHMARK(BM_ChartToPdf)->Unit(benchmark::kMillisecond);

// Two assessments of which 56 items changed: the first page and three pages of items.
void BM_ComparisonToPdf(benchmark::State& st) {
    auto earlier = std::make_unique<ExamineeRecord>();
    auto later = std::make_unique<ExamineeRecord>();
    for (int k = 1; k <= 168; ++k) {
        later->scores[k] = "gyrb"[k % 4];
        earlier->scores[k] = k % 3 == 0 ? "rgby"[k % 4] : later->scores[k];
    }
    writePdf(st, reports::Document::Comparison, *later, earlier.get());
}
BENCHMARK(BM_ComparisonToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
