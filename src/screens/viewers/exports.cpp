#include "screens/viewers/exports.h"

#include "files/comparison_sheet.h"
#include "files/file_system.h"
#include "files/scores_sheet.h"
#include "model/cp1250.h"
#include "reports/document_names.h"
#include "reports/editable_report.h"
#include "screens/settings/user_settings.h"

namespace lun4 {
namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

void reportFailure(ui::Frame& frame, std::string_view what, const std::string& why) {
    std::string text = polish(what);
    if (!why.empty()) text += "\n" + cp1250::fromUtf8Lossy(why);
    frame.showMessage(polish("Błąd zapisu"), text);
}

}  // namespace

std::string editableReportFileName(const ExamineeRecord& record) {
    return reports::documentName(reports::Document::NarrativeReport, record) + ".odt";
}

std::string scoresSheetFileName(const ExamineeRecord& record) {
    const std::string date = reports::fileNamePart(text(record.examDate));
    return reports::namedFor(record, date.empty() ? "wyniki" : "wyniki " + date) + ".csv";
}

std::string comparisonSheetFileName(const ExamineeRecord& earlier, const ExamineeRecord& later) {
    std::string dates = reports::fileNamePart(text(earlier.examDate));
    const std::string second = reports::fileNamePart(text(later.examDate));
    if (!dates.empty() && !second.empty()) dates += cp1250::fromLiteral(u8"–");
    dates += second;
    const std::string what = cp1250::fromLiteral(u8"porównanie");
    return reports::namedFor(later, dates.empty() ? what : what + " " + dates) + ".csv";
}

std::string printedFileName(reports::Document document, const ExamineeRecord& record,
                            int aidPage) {
    return reports::documentName(document, record, aidPage) + ".pdf";
}

std::filesystem::path lastFolder(ui::Frame& frame) {
    // Before the first export, the examinee folder chosen in the settings (a centre's shared
    // folder), when one is.
    std::string utf8 = frame.settings().value(kLastFolderKey);
    if (utf8.empty()) utf8 = frame.settings().value(kExamineeFolderKey);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void rememberFolder(ui::Frame& frame, const std::filesystem::path& file) {
    const std::u8string folder = file.parent_path().u8string();
    if (!folder.empty()) frame.settings().setValue(kLastFolderKey, std::string(folder.begin(), folder.end()));
}

std::optional<std::filesystem::path> saveEditableReport(ui::Frame& frame,
                                                        const ExamineeRecord& record,
                                                        const reports::CoverTexts& cover) {
    const auto path = frame.askSavePath({polish("Zapisz raport do edycji"),
                                         polish("Dokument tekstowy OpenDocument"), "odt",
                                         editableReportFileName(record), lastFolder(frame)});
    if (!path) return std::nullopt;
    rememberFolder(frame, *path);
    std::string error;
    if (!frame.writeEditableDocument(reports::editableReport(record, cover), *path, error)) {
        reportFailure(frame, "Nie udało się zapisać raportu do edycji.", error);
        return std::nullopt;
    }
    return path;
}

std::optional<std::filesystem::path> saveScoresSheet(ui::Frame& frame,
                                                     const ExamineeRecord& record) {
    const auto path =
        frame.askSavePath({polish("Zapisz wyniki do arkusza"), polish("Arkusz wyników CSV"), "csv",
                           scoresSheetFileName(record), lastFolder(frame)});
    if (!path) return std::nullopt;
    rememberFolder(frame, *path);
    std::string error;
    if (!writeScoresSheet(record, *path, systemFileSystem(), &error)) {
        reportFailure(frame, "Nie udało się zapisać wyników do arkusza.", error);
        return std::nullopt;
    }
    return path;
}

std::optional<std::filesystem::path> saveComparisonSheet(ui::Frame& frame,
                                                         const ExamineeRecord& earlier,
                                                         const ExamineeRecord& later) {
    const auto path =
        frame.askSavePath({polish("Zapisz porównanie do arkusza"), polish("Arkusz porównania CSV"),
                           "csv", comparisonSheetFileName(earlier, later), lastFolder(frame)});
    if (!path) return std::nullopt;
    rememberFolder(frame, *path);
    std::string error;
    if (!writeComparisonSheet(earlier, later, *path, systemFileSystem(), &error)) {
        reportFailure(frame, "Nie udało się zapisać porównania do arkusza.", error);
        return std::nullopt;
    }
    return path;
}

std::string savedNotice(const std::filesystem::path& path) {
    return "Zapisano: " + cp1250::fromUtf8Lossy(path.filename().string());
}

}  // namespace lun4
