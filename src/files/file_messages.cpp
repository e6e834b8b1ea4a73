#include "files/file_messages.h"

#include <cerrno>

#include "files/file_system.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

bool is(std::error_code cause, std::errc condition) {
    return cause == condition;
}

bool is(std::error_code cause, FileErrc own) {
    return cause == make_error_code(own);
}

// The reasons a save, an open and a delete share.
const char* commonReason(std::error_code cause) {
    if (is(cause, std::errc::read_only_file_system)) return "dysk jest tylko do odczytu";
    if (is(cause, std::errc::filename_too_long)) return "nazwa pliku jest za długa";
    if (is(cause, std::errc::is_a_directory)) return "w tym miejscu jest folder, a nie plik";
    if (is(cause, std::errc::operation_not_supported)) {
        return "w tym miejscu jest coś innego niż zwykły plik";
    }
    if (is(cause, std::errc::io_error)) return "dysk zgłosił błąd odczytu lub zapisu";
    if (is(cause, std::errc::device_or_resource_busy) || is(cause, std::errc::text_file_busy)) {
        return "plik jest używany przez inny program";
    }
    return nullptr;
}

}  // namespace

std::string failureReason(FileAction action, std::error_code cause) {
    const bool gone =
        is(cause, std::errc::no_such_file_or_directory) || is(cause, std::errc::not_a_directory);
    const bool denied =
        is(cause, std::errc::permission_denied) || is(cause, std::errc::operation_not_permitted);
    const bool full = is(cause, std::errc::no_space_on_device) ||
                      is(cause, std::errc::file_too_large)
#ifdef EDQUOT
                      || (cause.category() == std::generic_category() && cause.value() == EDQUOT) ||
                      (cause.category() == std::system_category() && cause.value() == EDQUOT)
#endif
        ;
    switch (action) {
        case FileAction::Save:
            if (denied) return polish("brak uprawnień do zapisu w folderze plików badanych");
            if (is(cause, FileErrc::readOnlyFile)) {
                return polish("plik jest oznaczony jako tylko do odczytu");
            }
            if (full) return polish("brak miejsca na dysku");
            if (gone) return polish("folder plików badanych nie istnieje");
            if (is(cause, FileErrc::brokenLink)) {
                return polish("plik jest skrótem (dowiązaniem) do pliku, którego nie ma");
            }
            if (is(cause, FileErrc::notStorable)) {
                return polish("badanie zawiera znaki, których nie można zapisać w pliku");
            }
            break;
        case FileAction::Export:
            if (denied) return polish("brak uprawnień do zapisu w tym folderze");
            if (is(cause, FileErrc::readOnlyFile)) {
                return polish("plik jest oznaczony jako tylko do odczytu");
            }
            if (full) return polish("brak miejsca na dysku");
            if (gone) return polish("folder nie istnieje");
            if (is(cause, FileErrc::brokenLink)) {
                return polish("plik jest skrótem (dowiązaniem) do pliku, którego nie ma");
            }
            break;
        case FileAction::Open:
            if (denied) return polish("brak uprawnień do odczytu tego pliku");
            if (gone) {
                return polish(
                    "pliku już nie ma w folderze (usunięto go lub przeniesiono po wyświetleniu "
                    "listy)");
            }
            break;
        case FileAction::Delete:
            if (denied)
                return polish("brak uprawnień do usuwania plików w folderze plików badanych");
            if (gone) {
                return polish(
                    "pliku już nie ma w folderze (usunięto go lub przeniesiono po wyświetleniu "
                    "listy)");
            }
            break;
    }
    if (const char* common = commonReason(cause)) return polish(common);
    return polish("błąd systemu nr ") + std::to_string(cause.value());
}

FailureMessage failureMessage(FileAction action, std::string_view fileName, std::error_code cause) {
    const std::string file = polish("„") + std::string(fileName) + polish("”");
    const std::string why = failureReason(action, cause);
    switch (action) {
        case FileAction::Save:
            return {polish("Błąd zapisu"), polish("Nie udało się zapisać pliku ") + file + ": " +
                                               why + polish(". Badanie nie zostało zapisane.")};
        case FileAction::Open:
            return {polish("Nie można wczytać pliku"),
                    polish("Nie można odczytać pliku ") + file + ": " + why + "."};
        case FileAction::Delete:
            return {polish("Błąd usuwania"),
                    polish("Nie udało się usunąć pliku ") + file + ": " + why + "."};
        case FileAction::Export:
            return {polish("Błąd zapisu"),
                    polish("Nie udało się zapisać pliku ") + file + ": " + why + "."};
    }
    return {};
}

}  // namespace lun4
