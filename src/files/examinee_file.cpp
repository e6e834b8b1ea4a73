#include "files/examinee_file.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "files/atomic_write.h"
#include "files/file_system.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

constexpr int kEnd = -1;
constexpr int kCR = 0x0D;
constexpr int kLF = 0x0A;
constexpr int kSeparatorByte = 0xA7;
constexpr std::string_view kSignature = "\xA7\xA7\xA7\xA7";

// Raw bytes as they are on disk, from memory or from a file.
class MemorySource {
  public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    int next() { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : kEnd; }
    int peek() const {
        return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_]) : kEnd;
    }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

class FileSource {
  public:
    explicit FileSource(RegularFile& file) : file_(file) {}
    int next() {
        const int c = peek();
        if (c != kEnd) ++pos_;
        return c;
    }
    int peek() {
        if (pos_ == size_ && !refill()) return kEnd;
        return static_cast<unsigned char>(buffer_[pos_]);
    }

  private:
    bool refill() {
        size_ = file_.read(buffer_.data(), buffer_.size());
        pos_ = 0;
        return size_ > 0;
    }
    RegularFile& file_;
    std::array<char, 16384> buffer_;
    size_t pos_ = 0;
    size_t size_ = 0;
};

// The reading side of the text-file translation: CR LF becomes LF, a lone CR stays, and 0x1A
// ends the data for good.
template <class Source>
class TextReader {
  public:
    explicit TextReader(Source& source) : source_(source) {}

    int get() {
        if (ended_) return kEnd;
        const int c = source_.next();
        if (c == kEnd || c == static_cast<unsigned char>(cp1250::kDataEnd)) {
            ended_ = true;
            return kEnd;
        }
        if (c == kCR && source_.peek() == kLF) {
            source_.next();
            return kLF;
        }
        return c;
    }

  private:
    Source& source_;
    bool ended_ = false;
};

enum class FieldEnd { Separator, DataEnd };

// Reads one text up to its separator or the end of the data; keeps the first capacity - 1
// bytes, zero-terminated, and reads past the rest so the next field starts after the
// separator. Only the end of the data ends a field early; 0xFF is an ordinary byte.
template <class Reader>
FieldEnd readField(Reader& in, char* field, size_t capacity) {
    size_t n = 0;
    FieldEnd end = FieldEnd::DataEnd;
    for (int c = in.get(); c != kEnd; c = in.get()) {
        if (c == kSeparatorByte) {
            end = FieldEnd::Separator;
            break;
        }
        if (n + 1 < capacity) field[n++] = static_cast<char>(c);
    }
    std::fill(field + n, field + capacity, '\0');
    return end;
}

template <class Reader, size_t N>
FieldEnd readField(Reader& in, TextField<N>& field) {
    return readField(in, field.data(), N);
}

template <class Reader>
bool readSignature(Reader& in) {
    for (size_t i = 0; i < kSignature.size(); ++i) {
        if (in.get() != kSeparatorByte) return false;
    }
    return true;
}

template <class Source>
ReadOutcome decodeFrom(Source& source, ExamineeRecord& r) {
    TextReader<Source> in(source);
    if (!readSignature(in)) return ReadOutcome::Refused;

    // Whatever the file does not reach stays as in a new record, never as it was before.
    r.clear();
    readField(in, r.examDate);
    readField(in, r.firstName);
    readField(in, r.lastName);
    readField(in, r.birthDate);
    const int gender = in.get();
    if (gender != kEnd) r.gender = static_cast<char>(gender);
    in.get();  // the gender's separator, not checked
    readField(in, r.homeAddress);
    readField(in, r.phoneContacts);
    readField(in, r.facilityAddress);
    readField(in, r.siblings);
    readField(in, r.guardians);
    readField(in, r.additionalInfo);
    readField(in, r.diagnosticianName);
    readField(in, r.diagnosticianPermitNo);

    for (int k = 1; k <= kItemCount; ++k) {
        const int code = in.get();
        // The scores the file does not hold stay "not scored".
        if (code == kEnd) return ReadOutcome::EndedEarly;
        r.scores[k] = static_cast<char>(code);
    }

    // The text before the first separator (empty in every file we write) goes to entry 0,
    // which holds no item. An entry receives a text only when a separator precedes it; the
    // last note runs to the end of the data.
    for (int k = 0; k < kItemCount; ++k) {
        if (readField(in, r.notes[k]) == FieldEnd::DataEnd) return ReadOutcome::EndedEarly;
    }
    readField(in, r.notes[kItemCount]);
    return ReadOutcome::Complete;
}

template <class Source>
HeaderPeek peekFrom(Source& source) {
    HeaderPeek peek;
    peek.opened = true;
    TextReader<Source> in(source);
    peek.signatureMatched = readSignature(in);
    if (!peek.signatureMatched) return peek;
    char field[kNameCapacity];
    for (std::string* text : {&peek.examDate, &peek.firstName, &peek.lastName}) {
        readField(in, field, kNameCapacity);
        *text = field;
    }
    return peek;
}

// The writing side of the translation: every LF goes to disk as CR LF.
class TextWriter {
  public:
    void put(char c) {
        if (c == '\n') bytes_ += '\r';
        bytes_ += c;
    }
    void text(std::string_view t) {
        // In runs up to each line feed: a worked record is tens of kilobytes, written after
        // every score.
        for (size_t lf = t.find('\n'); lf != std::string_view::npos; lf = t.find('\n')) {
            bytes_.append(t.data(), lf);
            bytes_ += "\r\n";
            t.remove_prefix(lf + 1);
        }
        bytes_.append(t);
    }
    void field(std::string_view t) {
        text(t);
        bytes_ += cp1250::kSeparator;
    }
    std::string take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

}  // namespace

std::string encode(const ExamineeRecord& r) {
    TextWriter out;
    out.text(kSignature);
    out.field(text(r.examDate));
    out.field(text(r.firstName));
    out.field(text(r.lastName));
    out.field(text(r.birthDate));
    out.put(r.gender);
    out.put(cp1250::kSeparator);
    out.field(text(r.homeAddress));
    out.field(text(r.phoneContacts));
    out.field(text(r.facilityAddress));
    out.field(text(r.siblings));
    out.field(text(r.guardians));
    out.field(text(r.additionalInfo));
    out.field(text(r.diagnosticianName));
    out.field(text(r.diagnosticianPermitNo));
    for (int k = 1; k <= kItemCount; ++k) out.put(r.scores[k]);
    for (int k = 1; k <= kItemCount; ++k) {
        out.put(cp1250::kSeparator);
        out.text(text(r.notes[k]));
    }
    return out.take();
}

std::string storageProblem(const ExamineeRecord& r) {
    const std::pair<const char*, std::string_view> texts[] = {
        {"examDate", text(r.examDate)},
        {"firstName", text(r.firstName)},
        {"lastName", text(r.lastName)},
        {"birthDate", text(r.birthDate)},
        {"homeAddress", text(r.homeAddress)},
        {"phoneContacts", text(r.phoneContacts)},
        {"facilityAddress", text(r.facilityAddress)},
        {"siblings", text(r.siblings)},
        {"guardians", text(r.guardians)},
        {"additionalInfo", text(r.additionalInfo)},
        {"diagnosticianName", text(r.diagnosticianName)},
        {"diagnosticianPermitNo", text(r.diagnosticianPermitNo)},
    };
    const std::string why = " holds the separator 0xA7 or the end-of-data byte 0x1A";
    for (const auto& [name, value] : texts) {
        if (!isStorable(value)) return std::string(name) + why;
    }
    for (int k = 1; k <= kItemCount; ++k) {
        if (!isStorable(text(r.notes[k]))) return "the note of item " + std::to_string(k) + why;
    }
    // Gender and scores are read by position, so 0xA7 is harmless there; 0x1A is not.
    if (r.gender == cp1250::kDataEnd) return "the gender byte is 0x1A";
    for (int k = 1; k <= kItemCount; ++k) {
        if (r.scores[k] == cp1250::kDataEnd) {
            return "the score of item " + std::to_string(k) + " is 0x1A";
        }
    }
    return {};
}

namespace {

bool replaceAtomically(const ExamineeRecord& record, const std::filesystem::path& path,
                       FileSystem& fs, bool flush, std::string* error, std::error_code* cause) {
    if (std::string problem = storageProblem(record); !problem.empty()) {
        if (error) *error = problem;
        if (cause) *cause = FileErrc::notStorable;
        return false;
    }
    return replaceFile(path, encode(record), fs, flush, error, cause);
}

}  // namespace

bool save(const ExamineeRecord& record, const std::filesystem::path& path, std::string* error) {
    return save(record, path, systemFileSystem(), error);
}

bool save(const ExamineeRecord& record, const std::filesystem::path& path, FileSystem& fs,
          std::string* error, std::error_code* cause) {
    return replaceAtomically(record, path, fs, true, error, cause);
}

bool saveWithoutFlush(const ExamineeRecord& record, const std::filesystem::path& path,
                      FileSystem& fs, std::string* error) {
    return replaceAtomically(record, path, fs, false, error, nullptr);
}

int removeInterruptedSaves(const std::filesystem::path& folder, FileSystem& fs) {
    namespace stdfs = std::filesystem;
    constexpr auto kSaveInProgress = std::chrono::minutes(1);
    const auto now = stdfs::file_time_type::clock::now();
    std::vector<stdfs::path> leftovers;
    std::error_code ec;
    for (stdfs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::u8string name = it->path().filename().u8string();
        if (!isTemporarySaveName(
                std::string_view(reinterpret_cast<const char*>(name.data()), name.size()))) {
            continue;
        }
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) continue;
        const auto written = it->last_write_time(entryError);
        if (entryError || now - written < kSaveInProgress) continue;
        leftovers.push_back(it->path());
    }
    int removed = 0;
    for (const stdfs::path& leftover : leftovers) {
        std::error_code removeError;
        if (fs.removeFile(leftover, removeError)) ++removed;
    }
    return removed;
}

ReadOutcome decode(std::string_view bytes, ExamineeRecord& record) {
    MemorySource source(bytes);
    return decodeFrom(source, record);
}

ReadOutcome load(ExamineeRecord& record, const std::filesystem::path& path,
                 std::error_code* cause) {
    std::error_code ec;
    const std::unique_ptr<RegularFile> file = RegularFile::open(path, ec);
    if (!file) {
        if (cause) *cause = ec;
        return ReadOutcome::Refused;
    }
    FileSource source(*file);
    return decodeFrom(source, record);
}

HeaderPeek peekHeader(const std::filesystem::path& path) {
    std::error_code ignored;
    const std::unique_ptr<RegularFile> file = RegularFile::open(path, ignored);
    if (!file) return {};
    FileSource source(*file);
    return peekFrom(source);
}

HeaderPeek peekHeaderBytes(std::string_view bytes) {
    MemorySource source(bytes);
    return peekFrom(source);
}

}  // namespace lun4
