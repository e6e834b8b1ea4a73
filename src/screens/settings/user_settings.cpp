#include "screens/settings/user_settings.h"

#include "files/host.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

// A kept text as the record and the page can hold it: cp1250, without the file's separator.
std::string keptText(const ui::Settings& settings, std::string_view key) {
    const std::optional<std::string> text = cp1250::fromUtf8(settings.value(key));
    if (!text || !isStorable(*text)) return {};
    return *text;
}

}  // namespace

void proposeDiagnostician(ExamineeRecord& record, const ui::Settings& settings) {
    if (text(record.diagnosticianName).empty()) {
        setText(record.diagnosticianName, keptText(settings, kDiagnosticianKey));
    }
    if (text(record.diagnosticianPermitNo).empty()) {
        setText(record.diagnosticianPermitNo, keptText(settings, kPermitKey));
    }
}

std::string coverPlaceAndDate(const ui::Settings& settings, std::time_t now) {
    const std::string place = keptText(settings, kPlaceKey);
    if (place.empty()) return {};
    static const char* const kMonths[12] = {
        "stycznia", "lutego",   "marca",    "kwietnia", "maja",        "czerwca",
        "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};
    const std::tm local = host::localTime(now).value_or(std::tm{});
    return place + ", " + std::to_string(local.tm_mday) + " " +
           cp1250::fromUtf8Lossy(kMonths[local.tm_mon]) + " " +
           std::to_string(local.tm_year + 1900) + " r.";
}

std::string fileCount(int n) {
    const int tens = n % 100;
    const int units = n % 10;
    const char* word = "plików";
    if (n == 1) {
        word = "plik";
    } else if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) {
        word = "pliki";
    }
    return std::to_string(n) + " " + cp1250::fromUtf8Lossy(word);
}

}  // namespace lun4
