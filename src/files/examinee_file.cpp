// TEMPORARY STAND-IN, replaced on merge by the real examinee file module.
#include "files/examinee_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace lun4 {
namespace {

constexpr char kSep = '\xA7';
const std::string kSignature(4, kSep);

void putText(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
}

struct Reader {
    std::string data;
    size_t pos = 0;
    bool atEnd() const { return pos >= data.size(); }
    std::string field() {
        std::string text;
        while (!atEnd()) {
            const char c = data[pos++];
            if (c == kSep) break;
            text += c;
        }
        return text;
    }
};

bool readAll(const std::filesystem::path& path, std::string& data) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    data.clear();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\x1A') break;
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        data += raw[i];
    }
    return data.size() >= 4 && data.compare(0, 4, kSignature) == 0;
}

}  // namespace

bool save(const ExamineeRecord& r, const std::filesystem::path& path, std::string* error) {
    std::string out = kSignature;
    for (std::string_view t : {text(r.examDate), text(r.firstName), text(r.lastName), text(r.birthDate)}) {
        putText(out, t);
        out += kSep;
    }
    out += r.gender;
    out += kSep;
    for (std::string_view t : {text(r.homeAddress), text(r.phoneContacts), text(r.facilityAddress),
                               text(r.siblings), text(r.guardians), text(r.additionalInfo),
                               text(r.diagnosticianName), text(r.diagnosticianPermitNo)}) {
        putText(out, t);
        out += kSep;
    }
    for (int k = 1; k < kItemSlots; ++k) out += r.scores[k];
    for (int k = 1; k < kItemSlots; ++k) {
        out += kSep;
        putText(out, text(r.notes[k]));
    }
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file || !file.write(out.data(), static_cast<std::streamsize>(out.size())) || !file.flush()) {
            if (error) *error = "cannot write " + temp.string();
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        if (error) *error = ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool load(ExamineeRecord& r, const std::filesystem::path& path) {
    Reader in;
    if (!readAll(path, in.data)) return false;
    in.pos = 4;
    setText(r.examDate, in.field());
    setText(r.firstName, in.field());
    setText(r.lastName, in.field());
    setText(r.birthDate, in.field());
    r.gender = in.atEnd() ? '\xFF' : in.data[in.pos++];
    if (!in.atEnd()) ++in.pos;
    for (auto* field : {&r.homeAddress, &r.phoneContacts, &r.facilityAddress, &r.siblings,
                        &r.guardians, &r.additionalInfo}) {
        setText(*field, in.field());
    }
    setText(r.diagnosticianName, in.field());
    setText(r.diagnosticianPermitNo, in.field());
    for (int k = 1; k < kItemSlots; ++k) {
        if (in.atEnd()) {
            r.scores[k] = '\xFF';
            return true;
        }
        r.scores[k] = in.data[in.pos++];
    }
    setText(r.notes[0], in.field());
    for (int k = 1; k < kItemSlots && !in.atEnd(); ++k) setText(r.notes[k], in.field());
    return true;
}

HeaderPeek peekHeader(const std::filesystem::path& path) {
    HeaderPeek peek;
    Reader in;
    std::error_code ec;
    peek.opened = !std::filesystem::is_directory(path, ec) && std::ifstream(path).good();
    if (!peek.opened || !readAll(path, in.data)) return peek;
    peek.signatureMatched = true;
    in.pos = 4;
    peek.examDate = in.field();
    peek.firstName = in.field();
    peek.lastName = in.field();
    return peek;
}

}  // namespace lun4
