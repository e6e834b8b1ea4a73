#include "files/examinee_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "test_folder.h"

namespace lun4 {
namespace {

using namespace std::string_literals;

const std::string kSep = "\xA7";
const std::string kSignature = "\xA7\xA7\xA7\xA7";

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// The header of a file: date, names, birth date, gender, the eight other texts (all empty).
std::string header(const std::string& names = repeat(kSep, 4), char gender = 'x') {
    return kSignature + names + gender + kSep + repeat(kSep, 8);
}

// A record whose every field holds something, to see what loading leaves alone.
ExamineeRecord filledRecord() {
    ExamineeRecord r;
    setText(r.firstName, "old");
    setText(r.diagnosticianPermitNo, "old");
    r.gender = 'm';
    r.scores.fill(kPass);
    for (auto& note : r.notes) setText(note, "old");
    return r;
}

class ExamineeFile : public test::TestFolder {};

TEST_F(ExamineeFile, BlankRecordIs354BytesAndSavesBackTheSame) {
    const std::string expected = header() + repeat("b", 168) + repeat(kSep, 168);
    ASSERT_EQ(expected.size(), 354u);
    const auto path = file("blank.pcn");
    ASSERT_TRUE(save(ExamineeRecord{}, path));
    EXPECT_EQ(readBytes(path), expected);

    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(load(r, path));
    EXPECT_TRUE(sameContent(r, ExamineeRecord{}));
    EXPECT_EQ(text(r.notes[0]), "");
    EXPECT_EQ(encode(r), expected);
}

TEST_F(ExamineeFile, LineBreaksAreStoredAsCrCrLfAndComeBack) {
    ExamineeRecord r;
    setText(r.homeAddress, "ul. Lipowa 5\r\n00-001 Warszawa");
    setText(r.notes[168], "Ostatnia\r\nnotatka\r\n");
    const auto path = file("lines.pcn");
    ASSERT_TRUE(save(r, path));
    const std::string bytes = readBytes(path);
    EXPECT_NE(bytes.find("5\r\r\n00"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with(kSep + "Ostatnia\r\r\nnotatka\r\r\n"));
    ExamineeRecord back;
    ASSERT_TRUE(load(back, path));
    EXPECT_TRUE(sameContent(back, r));
}

TEST(ExamineeFileDecode, TextModeRulesAndEarlyEnd) {
    // A lone CR stays, CR LF becomes LF, 0x1A ends the data in the middle of the surname.
    const std::string bytes = kSignature + "a\rb" + kSep + "c\r\nd" + kSep + "e\x1A" + "f" + kSep;
    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(decode(bytes, r));
    EXPECT_EQ(text(r.examDate), "a\rb");
    EXPECT_EQ(text(r.firstName), "c\nd");
    EXPECT_EQ(text(r.lastName), "e");
    EXPECT_EQ(text(r.diagnosticianPermitNo), "");  // fields starting at the end become empty
    EXPECT_EQ(r.gender, '\xFF');
    EXPECT_EQ(r.scores[1], '\xFF');
    EXPECT_EQ(r.scores[2], kPass);
    EXPECT_EQ(text(r.notes[0]), "old");
}

TEST_F(ExamineeFile, RefusedFilesLeaveTheRecordUntouched) {
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"three separators", repeat(kSep, 3)},
        {"fourth byte wrong", repeat(kSep, 3) + "x" + repeat(kSep, 20)},
        {"data ends in the signature", repeat(kSep, 3) + "\x1A" + kSep},
        {"plain text", "Jan Kowalski\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const auto path = file("refused.pcn");
        writeBytes(path, bytes);
        ExamineeRecord r = filledRecord();
        EXPECT_FALSE(load(r, path));
        EXPECT_TRUE(sameContent(r, filledRecord()));
        EXPECT_EQ(text(r.notes[0]), "old");
        const HeaderPeek peek = peekHeader(path);
        EXPECT_TRUE(peek.opened);
        EXPECT_FALSE(peek.signatureMatched);
    }
    ExamineeRecord r = filledRecord();
    EXPECT_FALSE(load(r, file("missing.pcn")));
    EXPECT_FALSE(load(r, folder_));
    EXPECT_FALSE(peekHeader(file("missing.pcn")).opened);
    EXPECT_TRUE(sameContent(r, filledRecord()));
}

TEST(ExamineeFileDecode, FileEndingInsideTheScores) {
    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(decode(header() + repeat("r", 10), r));
    EXPECT_EQ(text(r.firstName), "");
    EXPECT_EQ(r.gender, 'x');
    EXPECT_EQ(r.scores[10], kFail);
    EXPECT_EQ(r.scores[11], '\xFF');
    EXPECT_EQ(r.scores[12], kPass);
    EXPECT_EQ(r.scores[168], kPass);
    for (const auto& note : r.notes) EXPECT_EQ(text(note), "old");
}

TEST_F(ExamineeFile, FirstNameAtAndBeyondItsCapacity) {
    const std::string full(199, 'a');
    const std::string tooLong(250, 'b');
    for (const std::string& name : {full, tooLong}) {
        const std::string bytes = header("2024" + kSep + name + kSep + "Nowak" + kSep + kSep) +
                                  repeat("b", 168) + repeat(kSep, 168);
        ExamineeRecord r;
        ASSERT_TRUE(decode(bytes, r));
        EXPECT_EQ(text(r.firstName), name.substr(0, 199));
        EXPECT_EQ(text(r.lastName), "Nowak");
        const auto path = file("names.pcn");
        writeBytes(path, bytes);
        const HeaderPeek peek = peekHeader(path);
        EXPECT_TRUE(peek.signatureMatched);
        EXPECT_EQ(peek.examDate, "2024");
        EXPECT_EQ(peek.firstName, name.substr(0, 199));
        EXPECT_EQ(peek.lastName, "Nowak");
    }
}

TEST(ExamineeFileDecode, OddGenderAndScoreBytesAreKept) {
    const std::string bytes =
        header(repeat(kSep, 4), 'q') + "\xFFqg" + repeat("b", 165) + repeat(kSep, 168);
    ExamineeRecord r;
    ASSERT_TRUE(decode(bytes, r));
    EXPECT_EQ(r.gender, 'q');
    EXPECT_EQ(r.scores[1], '\xFF');
    EXPECT_EQ(encode(r), bytes);
}

TEST_F(ExamineeFile, SaveRefusesTextsItCannotStore) {
    ExamineeRecord r;
    setText(r.notes[17], "par. \xA7 5");
    std::string error;
    EXPECT_FALSE(save(r, file("x.pcn"), &error));
    EXPECT_NE(error.find("item 17"), std::string::npos);
    r.clear();
    setText(r.guardians, "a\x1A");
    EXPECT_FALSE(save(r, file("x.pcn")));
    EXPECT_TRUE(listing().empty());
}

TEST_F(ExamineeFile, SampleFilesLoadAndSaveBackByteForByte) {
    for (const char* name : {"blank.pcn", "notes.pcn"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path path = std::filesystem::path(SAMPLE_FILES_DIR) / name;
        const std::string bytes = readBytes(path);
        ASSERT_FALSE(bytes.empty());
        ExamineeRecord r;
        ASSERT_TRUE(load(r, path));
        EXPECT_EQ(encode(r), bytes);
    }
    ExamineeRecord r;
    ASSERT_TRUE(load(r, std::filesystem::path(SAMPLE_FILES_DIR) / "notes.pcn"));
    EXPECT_EQ(cp1250::toUtf8(text(r.lastName)), "Kowalski-Żółć");
    EXPECT_EQ(cp1250::toUtf8(text(r.notes[168])), "Ostatnia notatka\r\n");
}

// Random record without the two bytes the format cannot carry in a text.
ExamineeRecord randomRecord(std::mt19937& rng) {
    const auto byte = [&rng](bool inText) {
        for (;;) {
            const char c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(rng));
            if (c != cp1250::kDataEnd && !(inText && c == cp1250::kSeparator)) return c;
        }
    };
    const auto fill = [&](auto& field) {
        std::string t(std::uniform_int_distribution<size_t>(0, field.size() - 1)(rng), ' ');
        for (char& c : t) c = byte(true);
        if (t.size() >= 2 && rng() % 2) t.replace(t.size() / 2, 2, "\r\n");
        setText(field, t);
    };
    ExamineeRecord r;
    for (auto* f : {&r.firstName, &r.lastName, &r.examDate, &r.birthDate, &r.diagnosticianName,
                    &r.diagnosticianPermitNo}) {
        fill(*f);
    }
    for (auto* f : {&r.homeAddress, &r.phoneContacts, &r.facilityAddress, &r.siblings, &r.guardians,
                    &r.additionalInfo}) {
        fill(*f);
    }
    for (int k = 1; k <= kItemCount; ++k) {
        r.scores[k] = rng() % 8 ? "bgyr"[rng() % 4] : byte(false);
        if (rng() % 3 == 0) fill(r.notes[k]);
    }
    r.gender = rng() % 4 ? "xmk"[rng() % 3] : byte(false);
    return r;
}

TEST_F(ExamineeFile, RandomRecordsSaveAndLoadBackEqual) {
    std::mt19937 rng(20240312);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        const ExamineeRecord r = randomRecord(rng);
        ASSERT_EQ(storageProblem(r), "");
        const auto path = file("random.pcn");
        ASSERT_TRUE(save(r, path));
        ExamineeRecord back = filledRecord();
        ASSERT_TRUE(load(back, path));
        ASSERT_TRUE(sameContent(back, r));
        ASSERT_EQ(encode(back), readBytes(path));
    }
}

}  // namespace
}  // namespace lun4
