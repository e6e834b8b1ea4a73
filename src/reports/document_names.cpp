#include "reports/document_names.h"

#include "model/cp1250.h"

namespace lun4::reports {

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

std::string namedFor(const ExamineeRecord& record, std::string_view what) {
    // Surname first, as files of examinees sort in a folder.
    const std::string last = fileNamePart(text(record.lastName));
    const std::string first = fileNamePart(text(record.firstName));
    const std::string name = last.empty() || first.empty() ? last + first : last + " " + first;
    static const std::string kDash = cp1250::fromUtf8Lossy(" – ");
    return name.empty() ? std::string(what) : name + kDash + std::string(what);
}

std::string documentName(Document document, const ExamineeRecord& record, int aidPage) {
    switch (document) {
        case Document::ProfileChart:
            return namedFor(record, "profil");
        case Document::SummaryForm:
            return namedFor(record, "formularz");
        case Document::NarrativeReport:
            return namedFor(record, "raport");
        case Document::AidPicture:
            return namedFor(record, "pomoc " + std::to_string(aidPage + 1));
        case Document::Comparison:
            return namedFor(record, cp1250::fromLiteral(u8"porównanie"));
    }
    return {};
}

}  // namespace lun4::reports
