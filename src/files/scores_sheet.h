#pragma once
// The scores as a sheet for spreadsheets: one row per item with its number, area, scale,
// name, score code, the score in words and the note (the item's recommendation), under one
// row naming the columns, and nothing else.
//
// The file is what spreadsheets set to Polish open with a double click: UTF-8 with a
// byte-order mark, columns separated by ';', rows ended by CR LF, every text in double
// quotes with its inner quotes doubled. A note keeps its line breaks inside its cell as LF,
// as spreadsheets write a break within a cell; the breaks that end a note are dropped. A
// text starting with '=', '+', '-' or '@' gets an apostrophe in front, so that a note such
// as "- ćwiczyć ..." is read as text and not as a formula.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/examinee_record.h"

namespace lun4 {

class FileSystem;

// The score in words: "zaliczone", "pojawiające się", "niezaliczone", "bez oceny", and
// "nieznana ocena" for a byte that is none of the four (UTF-8).
std::string_view scoreInWords(char code);

// The whole file, byte-order mark included.
std::string scoresSheet(const ExamineeRecord& record);

// Writes scoresSheet atomically at `path`; false with `error` (UTF-8) when it could not.
bool writeScoresSheet(const ExamineeRecord& record, const std::filesystem::path& path,
                      FileSystem& fileSystem, std::string* error = nullptr);

}  // namespace lun4
