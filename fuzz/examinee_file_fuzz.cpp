// Feeds arbitrary bytes to the examinee file reader. Besides the sanitizers' findings it
// checks what must hold for every input: the preview agrees with the full read; whatever was
// read can be written again and reads back to the same record and the same bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "files/examinee_file.h"
#include "model/examinee_record.h"

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "examinee file fuzz: %s\n", what);
    std::abort();
}

template <size_t N>
bool terminated(const lun4::TextField<N>& field) {
    return field[N - 1] == '\0';
}

bool allTerminated(const lun4::ExamineeRecord& r) {
    bool ok = terminated(r.firstName) && terminated(r.lastName) && terminated(r.examDate) &&
              terminated(r.birthDate) && terminated(r.homeAddress) && terminated(r.phoneContacts) &&
              terminated(r.facilityAddress) && terminated(r.siblings) && terminated(r.guardians) &&
              terminated(r.additionalInfo) && terminated(r.diagnosticianName) &&
              terminated(r.diagnosticianPermitNo);
    for (const auto& note : r.notes) ok = ok && terminated(note);
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lun4;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Reused between runs: a fresh quarter-megabyte record per run would dominate the time.
    static const auto blank = std::make_unique<const ExamineeRecord>();
    static const auto record = std::make_unique<ExamineeRecord>();
    static const auto reread = std::make_unique<ExamineeRecord>();
    *record = *blank;
    *reread = *blank;

    const ReadOutcome outcome = decode(bytes, *record);
    const bool loaded = outcome != ReadOutcome::Refused;
    const HeaderPeek peek = peekHeaderBytes(bytes);
    check(peek.signatureMatched == loaded, "preview and reader disagree on the signature");
    if (!loaded) {
        check(sameContent(*record, *blank), "a refused file changed the record");
        return 0;
    }
    check(allTerminated(*record), "a text is not terminated within its field");
    check(peek.examDate == text(record->examDate) && peek.firstName == text(record->firstName) &&
              peek.lastName == text(record->lastName),
          "preview texts differ from the loaded ones");
    check(storageProblem(*record).empty(), "a loaded record cannot be saved");

    const std::string written = encode(*record);
    check(decode(written, *reread) == ReadOutcome::Complete,
          "a written file is refused or read as cut off");
    check(sameContent(*record, *reread), "a written file reads back differently");
    check(encode(*reread) == written, "a written file does not save back byte for byte");
    return 0;
}
