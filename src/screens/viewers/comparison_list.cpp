#include "screens/viewers/comparison_list.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "files/examinee_file.h"
#include "files/file_messages.h"
#include "model/comparison.h"
#include "model/cp1250.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/screen_ids.h"

namespace lun4 {
namespace {

using ui::SkinButton;

constexpr ui::Rgb kHighlight{60, 147, 173};
constexpr ui::Rgb kSoftInk{90, 104, 116};

// The picture's list box: rows of 24 pixels with the date, the person and the file.
constexpr int kRowLeft = 145, kRowRight = 845, kRowTop = 300, kRowHeight = 24;
constexpr int kDateX = 152, kNameX = 282, kFileX = 562;

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

ui::Rect rowRect(int row) {
    return {kRowLeft, kRowTop + kRowHeight * row, kRowRight, kRowTop + kRowHeight * (row + 1)};
}

bool inside(const ui::Rect& r, int x, int y) {
    return x > r.left && x < r.right && y > r.top && y < r.bottom;
}

std::string fullName(const HeaderPeek& peek) {
    return peek.firstName + " " + peek.lastName;
}

}  // namespace

ComparisonList::ComparisonList(ScreenController& controller, std::filesystem::path examineeFolder,
                               std::function<std::string()> currentFile,
                               std::function<void(std::unique_ptr<ExamineeRecord>, bool)> open)
    : controller_(controller),
      folder_(std::move(examineeFolder)),
      currentFile_(std::move(currentFile)),
      open_(std::move(open)) {}

bool ComparisonList::ownsScreen(int screenId) const {
    return screenId == screen::kComparisonList;
}

void ComparisonList::compose(int) {
    draw();
}

void ComparisonList::show() {
    list();
    draw();
}

void ComparisonList::list() {
    const ExamineeRecord& record = controller_.state().record;
    const std::string current = currentFile_ ? currentFile_() : std::string();
    std::vector<Entry> same, others;
    for (const std::string& file : listExamineeFiles(folder_)) {
        // The record's own file is no earlier assessment of it.
        if (!current.empty() && file.size() == current.size() + kExamineeExtension.size() &&
            file.starts_with(current)) {
            continue;
        }
        const HeaderPeek peek = peekHeader(examineePath(folder_, file));
        if (!peek.signatureMatched) continue;  // not an examinee file: nothing to compare
        Entry entry{
            file, peek.examDate, fullName(peek),
            peek.firstName == text(record.firstName) && peek.lastName == text(record.lastName)};
        (entry.samePerson ? same : others).push_back(std::move(entry));
    }
    // The same person's assessments newest first; those without a readable date after them,
    // in the folder's order.
    std::stable_sort(same.begin(), same.end(), [](const Entry& a, const Entry& b) {
        const auto da = examDateValue(a.examDate);
        const auto db = examDateValue(b.examDate);
        if (da && db) return *da > *db;
        return da.has_value() && !db.has_value();
    });
    entries_ = std::move(same);
    selected_ = entries_.empty() ? -1 : 0;
    if (!entries_.empty() && !others.empty()) entries_.push_back({});  // "Inne osoby"
    for (Entry& e : others) entries_.push_back(std::move(e));
    first_ = 0;
}

void ComparisonList::draw() {
    Buttons& b = controller_.buttons();
    ui::Surface& target = frame().backBuffer(0);
    controller_.state().screenId = screen::kComparisonList;
    target.drawImage(frame().images().loadBitmap("Data/tlo_gray.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    target.drawImage(frame().images().loadBitmap("Data/porownanie_lista.bmp"), 120, 205);
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::ReportText);
    const int count = static_cast<int>(entries_.size());
    if (count == 0) {
        target.setTextColour(kSoftInk);
        target.drawText(polish("W folderze nie ma innych zapisanych badań."), rowRect(0),
                        ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine);
    }
    for (int row = 0; row < kRows && first_ + row < count; ++row) {
        const Entry& e = entries_[first_ + row];
        const ui::Rect r = rowRect(row);
        const unsigned line = ui::text::kLeft | ui::text::kVCenter | ui::text::kSingleLine;
        if (e.file.empty()) {
            target.setTextColour(kSoftInk);
            target.setFont(ui::FontId::SmallHeading);
            target.drawText(polish("Inne osoby"), {kDateX, r.top, kRowRight, r.bottom}, line);
            target.line(kNameX, r.top + kRowHeight / 2, kRowRight - 8, r.top + kRowHeight / 2, 1,
                        kSoftInk);
            target.setFont(ui::FontId::ReportText);
            continue;
        }
        const bool chosen = first_ + row == selected_;
        if (chosen) target.fill({r.left + 1, r.top, r.right - 1, r.bottom}, kHighlight);
        target.setTextColour(chosen ? ui::kWhite : ui::kBlack);
        target.drawText(e.examDate, {kDateX, r.top, kNameX - 8, r.bottom}, line);
        target.drawText(e.fullName, {kNameX, r.top, kFileX - 8, r.bottom}, line);
        if (!chosen) target.setTextColour(kSoftInk);
        target.drawText(e.file, {kFileX, r.top, kRowRight - 6, r.bottom}, line);
    }
    target.setTextColour(ui::kBlack);
    b.compareUp.setEnabled(first_ > 0);
    b.compareDown.setEnabled(first_ + kRows < count);
    for (SkinButton* button : {&b.compareUp, &b.compareDown, &b.compareClose, &b.compareChoose}) {
        controller_.hoverFromLastMouse(*button);
        if (button->isEnabled()) button->draw(target);
    }
    drawExamineeNameBox(target, controller_.state().record);
    target.setBackgroundMode(ui::BackgroundMode::Opaque);
    frame().present();
}

void ComparisonList::hover(int x, int y) {
    Buttons& b = controller_.buttons();
    for (SkinButton* button : {&b.compareUp, &b.compareDown, &b.compareClose, &b.compareChoose}) {
        if (button->isEnabled()) controller_.hoverAndRedraw(*button, x, y);
    }
}

void ComparisonList::click(int x, int y) {
    Buttons& b = controller_.buttons();
    const int count = static_cast<int>(entries_.size());
    for (int row = 0; row < kRows && first_ + row < count; ++row) {
        if (inside(rowRect(row), x, y) && !entries_[first_ + row].file.empty()) {
            selected_ = first_ + row;
            draw();
            return;
        }
    }
    if (b.compareClose.clickTest(x, y)) {
        controller_.feedback(b.compareClose);
        controller_.state().screenId = screen::kPrintMenu;
        controller_.compose();
    } else if (b.compareChoose.clickTest(x, y)) {
        controller_.feedback(b.compareChoose);
        compareChosen();
    } else if (b.compareUp.isEnabled() && b.compareUp.clickTest(x, y)) {
        controller_.feedback(b.compareUp, 0);
        first_ = std::max(0, first_ - kRows);
        draw();
    } else if (b.compareDown.isEnabled() && b.compareDown.clickTest(x, y)) {
        controller_.feedback(b.compareDown, 0);
        first_ += kRows;
        draw();
    }
}

void ComparisonList::doubleClick(int x, int y) {
    const int row = selected_ - first_;
    if (selected_ >= 0 && row >= 0 && row < kRows && inside(rowRect(row), x, y)) {
        compareChosen();
    }
}

bool ComparisonList::key(const ui::KeyPress& key) {
    Buttons& b = controller_.buttons();
    const int count = static_cast<int>(entries_.size());
    const bool down = key.plain(ui::Key::Down), up = key.plain(ui::Key::Up);
    if (down || up) {
        // The next assessment that way; the line before other persons is no choice.
        int next = selected_ < 0 ? (down ? -1 : count) : selected_;
        do {
            next += down ? 1 : -1;
        } while (next >= 0 && next < count && entries_[next].file.empty());
        if (next >= 0 && next < count) {
            selected_ = next;
            // The chosen row stays in view.
            if (selected_ < first_) first_ = selected_ / kRows * kRows;
            if (selected_ >= first_ + kRows) first_ = selected_ / kRows * kRows;
            draw();
        }
        return true;
    }
    if (key.plain(ui::Key::Enter)) {
        controller_.pressByKey(b.compareChoose);
    } else if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.compareClose);
    } else {
        return false;
    }
    return true;
}

void ComparisonList::compareChosen() {
    if (selected_ < 0 || selected_ >= static_cast<int>(entries_.size())) {
        frame().showMessage(
            polish("Porównanie badań"),
            polish("Wybierz z listy badanie, z którym porównać badanie w pamięci."));
        draw();
        return;
    }
    const Entry& entry = entries_[selected_];
    const ExamineeRecord& record = controller_.state().record;
    auto chosen = std::make_unique<ExamineeRecord>();
    std::error_code cause;
    const ReadOutcome outcome = load(*chosen, examineePath(folder_, entry.file), &cause);
    if (outcome == ReadOutcome::Refused) {
        if (cause) {
            const FailureMessage message = failureMessage(FileAction::Open, entry.file, cause);
            frame().showMessage(message.caption, message.text);
        } else {
            frame().showMessage(polish("Porównanie badań"),
                                polish("Plik „") + entry.file +
                                    polish("” nie jest plikiem badania i nie można go porównać."));
        }
        show();
        return;
    }
    if (outcome == ReadOutcome::EndedEarly) {
        frame().showMessage(polish("Porównanie badań"),
                            polish("Plik „") + entry.file +
                                polish("” jest niepełny (urwany). Oceny, których w nim brakuje, "
                                       "porównanie pokaże jako nieocenione."));
    }
    if (!samePerson(*chosen, record)) {
        const std::string text = polish("Wybrane badanie dotyczy innej osoby (") +
                                 chosen->fullName() + polish(") niż badanie w pamięci (") +
                                 record.fullName() + polish("). Czy mimo to porównać te badania?");
        if (!frame().ask(polish("Porównanie badań różnych osób"), text, polish("Porównaj"),
                         polish("Anuluj"), ui::Answer::Second)) {
            draw();
            return;
        }
    }
    // The record in memory is the later assessment, unless its date says otherwise.
    const bool chosenIsLater = examinedBefore(record, *chosen);
    if (chosenIsLater) {
        frame().showMessage(polish("Kolejność badań"),
                            polish("Badanie w pamięci (") + std::string(text(record.examDate)) +
                                polish(") odbyło się wcześniej niż wybrane (") +
                                std::string(text(chosen->examDate)) +
                                polish("), więc w porównaniu jest badaniem wcześniejszym."));
    }
    if (open_) open_(std::move(chosen), chosenIsLater);
}

}  // namespace lun4
