#include "app/command_line.h"

#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "files/comparison_sheet.h"
#include "files/examinee_file.h"
#include "files/file_system.h"
#include "files/scores_sheet.h"
#include "model/comparison.h"
#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/odt_writer.h"
#include "platform/pdf_export.h"
#include "reports/editable_report.h"
#include "reports/print_job.h"

namespace lun4::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Użycie:\n"
    "  lun4                      uruchamia program\n"
    "  lun4 --export DOKUMENT PLIK.pcn WYJŚCIE [opcje]\n"
    "                            zapisuje dokument badanego do pliku, bez okna\n"
    "  lun4 --export compare WCZEŚNIEJSZY.pcn PÓŹNIEJSZY.pcn WYJŚCIE\n"
    "                            porównuje dwa badania tej samej osoby\n"
    "  lun4 --help               ten opis\n"
    "\n"
    "DOKUMENT (rodzaj pliku według rozszerzenia WYJŚCIA):\n"
    "  chart      profil testu (wykres), 1 strona: .pdf (A4)\n"
    "  summary    zbiorczy formularz wyników, 4 strony: .pdf (A4)\n"
    "  report     raport opisowy: .pdf (A4) albo .odt (do edycji w edytorze tekstu)\n"
    "  aid        pomoc nr N (--aid N, 1-17), strona pozioma: .pdf (A4)\n"
    "  scores     oceny wszystkich 168 pozycji jako arkusz: .csv (UTF-8, średnik)\n"
    "  compare    porównanie dwóch badań: .pdf (A4, poziomo) albo .csv (kody obu ocen\n"
    "             i zmiana każdej pozycji); badania ustawia się w kolejności dat\n"
    "\n"
    "Opcje:\n"
    "  --aid N              numer pomocy dla dokumentu aid (1-17)\n"
    "  --place TEKST        miejscowość i data na okładce raportu\n"
    "  --institution TEKST  nazwa placówki na okładce raportu\n"
    "\n"
    "Kod wyjścia: 0 gotowe (plik badanego urwany w połowie daje dokument i ostrzeżenie),\n"
    "1 nie można odczytać pliku badanego lub zapisać wyjścia, 2 błędne polecenie.\n";

// What the command writes: a printed document as PDF, the report as an editable document,
// or the scores sheet.
enum class Output { Pdf, EditableReport, ScoresSheet, ComparisonSheet };

struct ExportCommand {
    reports::Document document = reports::Document::ProfileChart;
    Output output = Output::Pdf;
    fs::path examinee;
    fs::path later;           // the later assessment of a comparison
    fs::path path;            // of the file written
    int aidPage = -1;         // 0..16
    std::string place;        // cp1250
    std::string institution;  // cp1250
    bool coverGiven = false;  // --place or --institution
};

struct Failure {
    int status;
    std::string message;  // UTF-8, one line
};

// The scores sheet is no printed document; it is asked for by its own name. A comparison
// names two examinee files.
constexpr std::string_view kScores = "scores";
constexpr std::string_view kCompare = "compare";

std::optional<reports::Document> documentNamed(std::string_view name) {
    if (name == "chart") return reports::Document::ProfileChart;
    if (name == "summary") return reports::Document::SummaryForm;
    if (name == "report") return reports::Document::NarrativeReport;
    if (name == "aid") return reports::Document::AidPicture;
    if (name == kCompare) return reports::Document::Comparison;
    return std::nullopt;
}

std::string extensionOf(const fs::path& path) {
    std::string ext = pathToUtf8(path.extension());
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Cover texts arrive in the terminal's UTF-8 and are drawn as the page draws the boxes' text.
std::optional<Failure> coverText(const char* option, std::string_view utf8, std::string& out) {
    const auto text = cp1250::fromUtf8(utf8);
    if (!text || text->find(cp1250::kSeparator) != std::string::npos) {
        return Failure{2, std::string(option) +
                              ": tekst zawiera znaki, których raport nie może "
                              "wydrukować"};
    }
    out = text->size() > 399 ? text->substr(0, 399) : *text;
    return std::nullopt;
}

std::variant<ExportCommand, Failure> parse(const std::vector<std::string>& args) {
    ExportCommand command;
    std::vector<std::string> positional;
    bool exportSeen = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--export") {
            exportSeen = true;
        } else if (a == "--aid" || a == "--place" || a == "--institution") {
            const auto v = value();
            if (!v) return Failure{2, a + ": brak wartości"};
            if (a == "--aid") {
                char* end = nullptr;
                const long n = std::strtol(v->c_str(), &end, 10);
                if (v->empty() || *end != '\0' || n < 1 || n > reports::kAidCount) {
                    return Failure{2, "--aid: numer pomocy musi być liczbą od 1 do 17"};
                }
                command.aidPage = static_cast<int>(n) - 1;
            } else {
                command.coverGiven = true;
                if (auto f = coverText(a.c_str(), *v,
                                       a == "--place" ? command.place : command.institution)) {
                    return *f;
                }
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return Failure{2, "nieznana opcja " + a + " (zob. lun4 --help)"};
        } else {
            positional.push_back(a);
        }
    }
    const bool comparison = !positional.empty() && positional[0] == kCompare;
    if (exportSeen && comparison && positional.size() != 4) {
        return Failure{2,
                       "oczekiwano: lun4 --export compare WCZEŚNIEJSZY.pcn PÓŹNIEJSZY.pcn "
                       "WYJŚCIE (zob. lun4 --help)"};
    }
    if (!exportSeen || (!comparison && positional.size() != 3)) {
        return Failure{2, "oczekiwano: lun4 --export DOKUMENT PLIK.pcn WYJŚCIE (zob. lun4 --help)"};
    }
    const auto document = documentNamed(positional[0]);
    if (!document && positional[0] != kScores) {
        return Failure{2, "nieznany dokument \"" + positional[0] +
                              "\": dostępne chart, summary, report, aid, scores, compare"};
    }
    command.examinee = pathFromUtf8(positional[1]);
    if (comparison) command.later = pathFromUtf8(positional[2]);
    command.path = pathFromUtf8(positional.back());
    const std::string extension = extensionOf(command.path);
    if (comparison) {
        command.document = *document;
        if (extension == ".csv") {
            command.output = Output::ComparisonSheet;
        } else if (extension != ".pdf") {
            return Failure{2,
                           "porównanie zapisuje się do pliku .pdf albo .csv: " + positional.back()};
        }
    } else if (!document) {
        command.output = Output::ScoresSheet;
        if (extension != ".csv") {
            return Failure{2, "arkusz wyników zapisuje się do pliku .csv: " + positional[2]};
        }
    } else {
        command.document = *document;
        const bool report = command.document == reports::Document::NarrativeReport;
        if (report && extension == ".odt") {
            command.output = Output::EditableReport;
        } else if (extension != ".pdf") {
            return Failure{2, std::string("plik wyjściowy musi mieć rozszerzenie ") +
                                  (report ? ".pdf albo .odt: " : ".pdf: ") + positional[2]};
        }
    }
    if ((command.output == Output::ScoresSheet || comparison) && command.coverGiven) {
        return Failure{2, "--place i --institution dotyczą tylko dokumentu report"};
    }
    if (command.document == reports::Document::AidPicture && command.aidPage < 0) {
        return Failure{2, "dokument aid wymaga numeru pomocy: --aid N (1-17)"};
    }
    if ((command.document != reports::Document::AidPicture || !document) && command.aidPage >= 0) {
        return Failure{2, "--aid dotyczy tylko dokumentu aid"};
    }
    return command;
}

// Reads the examinee file without ever waiting on a pipe put in its place. A file cut off
// early still gives its document, with a warning, as the program's own open does.
std::optional<Failure> readExaminee(const fs::path& path, ExamineeRecord& record) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return Failure{1, "nie ma pliku badanego " + pathToUtf8(path)};
    const auto file = RegularFile::open(path, ec);
    if (!file) return Failure{1, "nie można odczytać pliku badanego " + pathToUtf8(path)};
    std::string bytes;
    char buffer[1 << 16];
    while (const size_t n = file->read(buffer, sizeof buffer)) bytes.append(buffer, n);
    switch (decode(bytes, record)) {
        case ReadOutcome::Refused:
            return Failure{1, "plik " + pathToUtf8(path) + " nie jest plikiem badanego"};
        case ReadOutcome::EndedEarly:
            std::fprintf(stderr,
                         "lun4: uwaga: plik %s jest niepełny (urwany); brakujące oceny i "
                         "wskazania są puste\n",
                         pathToUtf8(path).c_str());
            break;
        case ReadOutcome::Complete:
            break;
    }
    return std::nullopt;
}

// What the program would ask or say before a comparison, said on the error output: the two
// files are put in the order of their dates, and two different persons are compared all the
// same, since the user named both files.
void comparisonNotes(std::unique_ptr<ExamineeRecord>& earlierFile,
                     std::unique_ptr<ExamineeRecord>& laterFile) {
    if (examinedBefore(*laterFile, *earlierFile)) {
        std::fprintf(stderr,
                     "lun4: uwaga: drugi plik zawiera badanie wcześniejsze (%s) niż pierwszy "
                     "(%s); porównano je w kolejności dat\n",
                     cp1250::toUtf8(text(laterFile->examDate)).c_str(),
                     cp1250::toUtf8(text(earlierFile->examDate)).c_str());
        std::swap(earlierFile, laterFile);
    }
    const ExamineeRecord& earlier = *earlierFile;
    const ExamineeRecord& later = *laterFile;
    if (!samePerson(earlier, later)) {
        std::fprintf(stderr, "lun4: uwaga: porównano badania różnych osób (%s i %s)\n",
                     cp1250::toUtf8(earlier.fullName()).c_str(),
                     cp1250::toUtf8(later.fullName()).c_str());
    }
}

int fail(const Failure& f) {
    std::fprintf(stderr, "lun4: %s\n", f.message.c_str());
    return f.status;
}

}  // namespace

bool wantsCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--export" || a == "--help" || a == "-h") return true;
    }
    return false;
}

int runCommandLine(int argc, char** argv, const fs::path& runFolder) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    auto parsed = parse(args);
    if (auto* f = std::get_if<Failure>(&parsed)) return fail(*f);
    const ExportCommand& command = std::get<ExportCommand>(parsed);

    // Records are large: they live on the heap. A comparison reads the earlier assessment
    // first; `record` is then the later one.
    const bool comparison = command.document == reports::Document::Comparison;
    auto first = std::make_unique<ExamineeRecord>();
    if (auto f = readExaminee(command.examinee, *first)) return fail(*f);
    std::unique_ptr<ExamineeRecord> second;
    if (comparison) {
        second = std::make_unique<ExamineeRecord>();
        if (auto f = readExaminee(command.later, *second)) return fail(*f);
        comparisonNotes(first, second);
    }
    const ExamineeRecord& earlier = *first;
    const ExamineeRecord& record = comparison ? *second : *first;

    std::string error;
    if (command.output == Output::ComparisonSheet) {
        if (!writeComparisonSheet(earlier, record, command.path, systemFileSystem(), &error)) {
            return fail({1, error});
        }
        return 0;
    }
    if (command.output == Output::ScoresSheet) {
        if (!writeScoresSheet(record, command.path, systemFileSystem(), &error)) {
            return fail({1, error});
        }
        return 0;
    }

    platform::DataPaths paths(runFolder);
    if (command.output == Output::EditableReport) {
        const ui::FlowDocument document =
            reports::editableReport(record, {command.place, command.institution});
        if (!platform::writeOdt(document, command.path, paths, systemFileSystem(), error)) {
            return fail({1, error});
        }
        return 0;
    }
    const auto exporter = platform::pdfExport(argc, argv, paths);
    const auto target = exporter->pdfFile(command.path, error);
    if (!target) return fail({1, error});
    reports::NarrativeReport report;
    const reports::PrintSources sources{exporter->images(),
                                        record,
                                        report,
                                        {command.place, command.institution},
                                        std::max(command.aidPage, 0),
                                        comparison ? &earlier : nullptr};
    if (reports::printDocument(command.document, *target, sources) !=
        reports::PrintResult::Printed) {
        const std::string why = target->error();
        return fail({1, why.empty() ? "nie można zapisać " + pathToUtf8(command.path) : why});
    }
    return 0;
}

}  // namespace lun4::app
