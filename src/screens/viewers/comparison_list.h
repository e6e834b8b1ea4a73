#pragma once
// "Porównanie z poprzednim badaniem" (screen 3050): the examinee files with their examination
// dates and persons, the files of the person in memory first (newest first, the newest
// chosen), then those of other persons. "Porównaj" reads the chosen file; a file of another
// person is compared only after a question. The record in memory is the later assessment;
// when its date is the earlier one the program says so and the two change places.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"

namespace lun4 {

class ComparisonList : public ScreenModule {
  public:
    static constexpr int kRows = 12;

    struct Entry {
        std::string file;  // cp1250, with its extension; empty for the line before other persons
        std::string examDate, fullName;  // cp1250, from the file's first texts
        bool samePerson = false;
    };

    // `currentFile` gives the name the record in memory was opened or saved under (without
    // ".pcn"): that file is not offered. `open` receives the chosen file's record and whether
    // it is the later assessment.
    ComparisonList(ScreenController& controller, std::filesystem::path examineeFolder,
                   std::function<std::string()> currentFile,
                   std::function<void(std::unique_ptr<ExamineeRecord>, bool chosenIsLater)> open);

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // A double click on an assessment compares with it, as "Porównaj" does.
    void doubleClick(int x, int y) override;
    // Up and Down move the choice over the assessments (past the line before other persons),
    // Enter compares, Escape closes the list.
    bool key(const ui::KeyPress& key) override;

    // Lists the folder again, chooses the newest file of the same person and shows the list.
    void show();
    // The examinee folder the list is made from (the settings may choose another).
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

    const std::vector<Entry>& entries() const { return entries_; }
    int selected() const { return selected_; }  // index into entries(), -1 for none
    int firstShown() const { return first_; }

  private:
    ui::Frame& frame() { return controller_.frame(); }
    void list();
    void draw();
    void compareChosen();

    ScreenController& controller_;
    std::filesystem::path folder_;
    std::function<std::string()> currentFile_;
    std::function<void(std::unique_ptr<ExamineeRecord>, bool)> open_;
    std::vector<Entry> entries_;
    int selected_ = -1;
    int first_ = 0;  // the entry in the first row
};

}  // namespace lun4
