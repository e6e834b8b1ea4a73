#include "screens/filescreens/record_file.h"

#include <chrono>
#include <ctime>

#include "files/file_messages.h"
#include "files/file_system.h"
#include "files/host.h"
#include "model/cp1250.h"

namespace lun4 {
namespace fs = std::filesystem;

namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

std::string shownName(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return cp1250::fromUtf8Lossy(std::string(name.begin(), name.end()));
}

// "07.12.2026, godz. 12:03" in the computer's time zone.
std::string localTime(std::time_t seconds) {
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) return "?";
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y, godz. %H:%M", local);
    return text;
}

std::string localTime(fs::file_time_type written) {
    const auto system = std::chrono::file_clock::to_sys(written);
    return localTime(std::chrono::system_clock::to_time_t(system));
}

bool sameFile(const fs::path& a, const fs::path& b) {
    return !a.empty() && a.lexically_normal() == b.lexically_normal();
}

}  // namespace

std::string holderDescription(const LockHolder& holder) {
    std::string computer = holder.computer;
    std::string mine = host::computerName();
    for (std::string* name : {&computer, &mine}) {
        for (char& c : *name) c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    std::string where = computer == mine && !mine.empty()
                            ? polish("w innym oknie programu na tym komputerze")
                            : polish("na komputerze „") + cp1250::fromUtf8Lossy(holder.computer) +
                                  polish("”");
    if (holder.computer.empty()) where = polish("w innej kopii programu");
    std::string details;
    if (!holder.user.empty()) {
        details = polish("użytkownik „") + cp1250::fromUtf8Lossy(holder.user) + polish("”");
    }
    if (holder.since > 0) {
        if (!details.empty()) details += ", ";
        details += "od " + localTime(static_cast<std::time_t>(holder.since));
    }
    return details.empty() ? where : where + " (" + details + ")";
}

RecordFile::RecordFile(ui::Frame& frame, FileSystem& fileSystem)
    : frame_(frame), fileSystem_(fileSystem), lock_(fileSystem) {}

RecordFile::Opened RecordFile::open(const fs::path& path, ExamineeRecord& record,
                                    std::error_code& cause) {
    ExamineeLock lock(fileSystem_);
    const ExamineeLock::Outcome taken = lock.take(path);
    if (taken.holder) {
        const std::string text =
            polish("Badanie „") + shownName(path) + polish("” jest już otwarte ") +
            holderDescription(*taken.holder) +
            polish(".\n\nMożesz otworzyć je tylko do odczytu: badanie da się przeglądać i "
                   "drukować, a zapisać tylko pod inną nazwą.");
        if (!frame_.ask(polish("Badanie jest otwarte w innym miejscu"), text,
                        polish("Otwórz tylko do odczytu"), polish("Anuluj"), ui::Answer::Second)) {
            return Opened::Cancelled;
        }
    }
    std::string bytes;
    if (!readWholeFile(path, bytes, cause)) return Opened::Unreadable;
    const ReadOutcome outcome = decode(bytes, record);
    if (outcome == ReadOutcome::Refused) return Opened::WrongFormat;
    lock_ = std::move(lock);
    path_ = path;
    known_ = stampOf(path, bytes);
    readOnly_ = taken.holder.has_value();
    return outcome == ReadOutcome::Complete ? Opened::Complete : Opened::EndedEarly;
}

RecordFile::Saved RecordFile::save(const ExamineeRecord& record, const fs::path& path) {
    const bool own = sameFile(path_, path);
    const std::string name = shownName(path);
    if (own && readOnly_) {
        frame_.showMessage(polish("Badanie otwarte tylko do odczytu"),
                           polish("Plik „") + name +
                               polish("” jest otwarty w innej kopii programu, więc to badanie "
                                      "otwarto tylko do odczytu. Zapisz je pod inną nazwą."));
        return Saved::No;
    }
    // One file, one writer: a file another copy has open is not written. The record's own lock
    // is written anew, so that it keeps its time for as long as the work goes on.
    ExamineeLock other(fileSystem_);
    ExamineeLock& lock = own ? lock_ : other;
    if (const ExamineeLock::Outcome taken = lock.take(path); taken.holder) {
        frame_.showMessage(polish("Plik jest otwarty w innym miejscu"),
                           polish("Nie można zapisać pliku „") + name + polish("”: jest otwarty ") +
                               holderDescription(*taken.holder) +
                               polish(". Zapisz badanie pod inną nazwą."));
        return Saved::No;
    }
    std::string replaced;
    std::error_code cause;
    const std::optional<FileStamp> now = currentStamp(path, replaced, cause);
    const auto fail = [&](std::string_view file) {
        const FailureMessage message = failureMessage(FileAction::Save, file, cause);
        frame_.showMessage(message.caption, message.text);
        return Saved::No;
    };
    if (!now) return fail(name);
    if (own && known_ && changedSince(*known_, *now)) {
        const std::string text =
            polish("Plik „") + name + polish("” zapisał ktoś inny albo inny program: wersja na "
                                             "dysku pochodzi z ") +
            localTime(now->modified) +
            polish(" i nie jest tą, którą otwarto lub ostatnio zapisano.\n\nJeśli go nadpiszesz, "
                   "tamta wersja zostanie zachowana jako „") +
            shownName(previousVersionPath(path)) + polish("”.");
        switch (frame_.askOrCancel(polish("Plik zmienił się na dysku od otwarcia"), text,
                                   polish("Zapisz pod inną nazwą"), polish("Nadpisz"),
                                   polish("Anuluj"))) {
            case ui::Answer::First:
                return Saved::UnderOtherName;
            case ui::Answer::Cancel:
                return Saved::No;
            case ui::Answer::Second:
                break;
        }
    }
    if (now->exists && !keepPreviousVersion(path, replaced, fileSystem_, cause)) {
        return fail(shownName(previousVersionPath(path)));
    }
    if (!lun4::save(record, path, fileSystem_, nullptr, &cause)) return fail(name);
    if (!own) lock_ = std::move(other);
    path_ = path;
    known_ = stampOf(path, encode(record));
    readOnly_ = false;
    return Saved::Yes;
}

void RecordFile::close() {
    lock_.release();
    path_.clear();
    known_.reset();
    readOnly_ = false;
}

void RecordFile::adopt(const fs::path& path) {
    close();
    path_ = path;
    const ExamineeLock::Outcome taken = lock_.take(path);
    readOnly_ = taken.holder.has_value();
    std::string bytes;
    std::error_code ignored;
    known_ = currentStamp(path, bytes, ignored);
}

}  // namespace lun4
