#include "screens/filescreens/crash_recovery.h"

#include <chrono>
#include <ctime>
#include <memory>

#include "model/cp1250.h"
#include "screens/screen_ids.h"

namespace lun4 {
namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

// "12.05.2026, godz. 14:03" in the computer's time zone.
std::string localTime(std::filesystem::file_time_type written) {
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) return "?";
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y, godz. %H:%M", local);
    return text;
}

}  // namespace

CrashRecovery::CrashRecovery(ScreenController& controller, FileScreens& files, RecoveryStore& store)
    : controller_(controller), files_(files), store_(store) {
    controller_.setRecordObserver([this](ScreenController::RecordEvent e) { onRecordEvent(e); });
}

void CrashRecovery::onRecordEvent(ScreenController::RecordEvent event) {
    using Event = ScreenController::RecordEvent;
    if (event != Event::Changed) {
        // Saved, a record loaded or begun (the one before was saved or given up by choice), or
        // the program ends through the exit question: nothing is left to recover.
        store_.clear();
        return;
    }
    std::string error;
    if (store_.write(controller_.state().record, files_.currentFileName(), &error)) {
        failureReported_ = false;
        return;
    }
    // Said once, not at every score: the work goes on, only without the safety net.
    if (failureReported_) return;
    failureReported_ = true;
    controller_.frame().showMessage(
        polish("Kopia bezpieczeństwa"),
        polish("Nie można zapisać kopii bieżącego badania w folderze „") +
            cp1250::fromUtf8Lossy(store_.folder().string()) +
            polish("”. Jeśli program zostanie przerwany, niezapisanych zmian nie będzie można "
                   "odzyskać. Zapisuj badanie często."));
}

std::string CrashRecovery::question(const ExamineeRecord& record, const std::string& name,
                                    const std::string& when) {
    std::string whose = std::string(text(record.firstName));
    if (!whose.empty() && !text(record.lastName).empty()) whose += ' ';
    whose += text(record.lastName);
    std::string message = polish(
        "Program nie został poprawnie zamknięty. Zachowało się "
        "niezapisane badanie: ");
    message += whose.empty() ? polish("bez imienia i nazwiska") : whose;
    message += name.empty() ? polish(" (jeszcze nie zapisane w pliku)")
                            : polish(" (plik „") + name + polish(".pcn”)");
    message += polish(", ostatnia zmiana: ") + when + polish(".\n\nCzy przywrócić to badanie?");
    return message;
}

void CrashRecovery::offerAtStart() {
    const std::optional<RecoveryStore::Copy> copy = store_.find();
    if (!copy) return;
    ui::Frame& frame = controller_.frame();
    auto record = std::make_unique<ExamineeRecord>();
    if (!store_.read(*copy, *record)) {
        const std::filesystem::path aside = store_.setAside(*copy);
        frame.showMessage(polish("Przywracanie badania"),
                          polish("Kopia niezapisanego badania z poprzedniego uruchomienia jest "
                                 "uszkodzona i nie zostanie użyta. Odłożono ją jako: ") +
                              cp1250::fromUtf8Lossy(aside.string()));
        return;
    }
    if (!frame.ask(polish("Przywracanie badania"),
                   question(*record, copy->name, localTime(copy->written)), polish("Przywróć"),
                   polish("Odrzuć"), ui::Answer::First)) {
        store_.clear();
        files_.removeLeftOverLock(copy->name);
        return;
    }
    AppState& state = controller_.state();
    state.record = *record;
    files_.setCurrentFileName(copy->name);
    // The copy stays until the record is saved or the program ends cleanly; the record holds
    // changes that are not saved.
    store_.removeAllBut(copy->path);
    controller_.recordChanged();
    state.screenId = screen::kMainMenu;
    controller_.compose();
}

}  // namespace lun4
