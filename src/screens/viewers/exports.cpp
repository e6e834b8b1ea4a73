#include "screens/viewers/exports.h"

#include "files/file_system.h"
#include "files/scores_sheet.h"
#include "model/cp1250.h"
#include "reports/editable_report.h"

namespace lun4 {
namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

// A record's text as part of a file name: what no file system takes ("\ / : * ? " < > |"
// and control characters) becomes "-"; blanks, dots and dashes at either end go.
std::string fileNamePart(std::string_view cp1250Text) {
    std::string out;
    for (char c : cp1250Text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused =
            byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        out += refused ? '-' : c;
    }
    const size_t first = out.find_first_not_of(" .-");
    if (first == std::string::npos) return {};
    out.erase(0, first);
    out.erase(out.find_last_not_of(" .-") + 1);
    return out;
}

std::string withName(const ExamineeRecord& record, std::string_view rest) {
    const std::string name = fileNamePart(record.fullName());
    return name.empty() ? std::string(rest) : name + polish(" – ") + std::string(rest);
}

void reportFailure(ui::Frame& frame, std::string_view what, const std::string& why) {
    std::string text = polish(what);
    if (!why.empty()) text += "\n" + cp1250::fromUtf8Lossy(why);
    frame.showMessage(polish("Błąd zapisu"), text);
}

}  // namespace

std::string editableReportFileName(const ExamineeRecord& record) {
    return withName(record, "raport.odt");
}

std::string scoresSheetFileName(const ExamineeRecord& record) {
    const std::string date = fileNamePart(text(record.examDate));
    return withName(record, date.empty() ? "wyniki.csv" : "wyniki " + date + ".csv");
}

std::optional<std::filesystem::path> saveEditableReport(ui::Frame& frame,
                                                        const ExamineeRecord& record,
                                                        const reports::CoverTexts& cover) {
    const auto path = frame.askSavePath({polish("Zapisz raport do edycji"),
                                         polish("Dokument tekstowy OpenDocument"), "odt",
                                         editableReportFileName(record)});
    if (!path) return std::nullopt;
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
                           scoresSheetFileName(record)});
    if (!path) return std::nullopt;
    std::string error;
    if (!writeScoresSheet(record, *path, systemFileSystem(), &error)) {
        reportFailure(frame, "Nie udało się zapisać wyników do arkusza.", error);
        return std::nullopt;
    }
    return path;
}

std::string savedNotice(const std::filesystem::path& path) {
    return "Zapisano: " + cp1250::fromUtf8Lossy(path.filename().string());
}

}  // namespace lun4
