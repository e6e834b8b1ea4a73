#pragma once
// Every picture the program loads from its run folder, in one table: the screens' and the
// documents' bitmaps, the buttons' three images, the numbered pages and the aid pictures. At
// the start the program checks that the pictures it cannot do without are there and, when
// some are not, says which instead of showing a screen nobody can answer. A test holds the
// table against the names written in the sources and against the generated run folder.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lun4 {

struct DataFileSet {
    enum class Kind {
        Picture,          // the file `name`
        Button,           // `name` + "_n.bmp", "_o.bmp" and "_p.bmp"
        Numbered,         // `name` + k + `suffix` for k from `first` to `last`
        NumberedButtons,  // the three images of the buttons `name` + k, k from `first` to `last`
    };
    std::string_view name;  // with "/" separators; found whatever its letter case
    Kind kind = Kind::Picture;
    int first = 0;
    int last = 0;
    std::string_view suffix{};
    // False for the pages: a page that is missing or damaged shows a note naming its file.
    bool required = true;
    // For a numbered set with gaps (the advice pages): whether number k belongs to it.
    bool (*hasNumber)(int) = nullptr;
};

std::span<const DataFileSet> dataFileSets();

// The files of one set, in the set's order ("Data/BMP/ok_n.bmp").
std::vector<std::string> filesOf(const DataFileSet& set);

// The files of the required sets that `exists` does not find, in the table's order.
std::vector<std::string> missingDataFiles(const std::function<bool(const std::string&)>& exists);

// How many missing files the start's message names one by one.
inline constexpr size_t kMissingFilesNamed = 5;

// The start's message when pictures are missing (cp1250): the first few names and how many
// there are, or, when "Data" itself is missing, that; where the program looked (`runFolder`,
// UTF-8) and where the folder comes from. `missing` is not empty.
struct StartProblem {
    std::string caption;
    std::string text;
};
StartProblem missingDataMessage(const std::vector<std::string>& missing, bool dataFolderMissing,
                                std::string_view runFolder);

}  // namespace lun4
