#include "platform/win32/win32_print_target.h"

#include <commdlg.h>
#include <winspool.h>

#include <system_error>
#include <vector>

#include "platform/win32/wide_text.h"
#include "ui/gdi/gdi_fonts.h"
#include "ui/gdi/gdi_replay.h"

namespace lun4::platform {
namespace {

// A devmode's fields, changed in place in a global memory block.
void setOrientation(HGLOBAL devmode, bool landscape) {
    if (!devmode || !landscape) return;
    if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(devmode))) {
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        mode->dmFields |= DM_ORIENTATION;
        ::GlobalUnlock(devmode);
    }
}

}  // namespace

std::unique_ptr<Win32PrintTarget> Win32PrintTarget::pdfFile(std::filesystem::path path,
                                                            std::string& error) {
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(const_cast<LPWSTR>(kPdfPrinter), &printer, nullptr)) {
        error =
            "w systemie nie ma drukarki „Microsoft Print to PDF”, przez którą program zapisuje "
            "pliki PDF (można ją włączyć w Funkcjach systemu Windows)";
        return nullptr;
    }
    ::ClosePrinter(printer);
    std::unique_ptr<Win32PrintTarget> target(new Win32PrintTarget());
    target->pdfPath_ = std::move(path);
    return target;
}

Win32PrintTarget::~Win32PrintTarget() {
    if (dc_) {
        if (spooled_) ::AbortDoc(dc_);
        if (ownsDc_) ::DeleteDC(dc_);
    }
    discardPdf();
}

HDC Win32PrintTarget::askPrinter(bool landscape) {
    // The default printer's settings first, so that the aid picture can ask for landscape.
    PRINTDLGW defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgW(&defaults)) {
        // Without any printer the dialog could only say so in the system's words.
        if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN) {
            error_ = "w systemie nie ma żadnej drukarki";
        }
        return nullptr;
    }
    setOrientation(defaults.hDevMode, landscape);
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.hDevMode = defaults.hDevMode;
    dialog.hDevNames = defaults.hDevNames;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nFromPage = dialog.nToPage = 0xFFFF;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 0xFFFF;
    dialog.nCopies = 1;
    HDC dc = ::PrintDlgW(&dialog) ? dialog.hDC : nullptr;
    if (dialog.hDevMode) ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) ::GlobalFree(dialog.hDevNames);
    if (owner_) ::InvalidateRect(owner_, nullptr, FALSE);
    return dc;
}

HDC Win32PrintTarget::pdfPrinter(bool landscape) {
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(const_cast<LPWSTR>(kPdfPrinter), &printer, nullptr)) return nullptr;
    const LONG size = ::DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(kPdfPrinter),
                                            nullptr, nullptr, 0);
    HDC dc = nullptr;
    if (size > 0) {
        std::vector<BYTE> buffer(static_cast<size_t>(size));
        auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
        if (::DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(kPdfPrinter), mode,
                                  nullptr, DM_OUT_BUFFER) == IDOK) {
            mode->dmPaperSize = DMPAPER_A4;
            mode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
            mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
            ::DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(kPdfPrinter), mode, mode,
                                  DM_IN_BUFFER | DM_OUT_BUFFER);
            dc = ::CreateDCW(L"WINSPOOL", kPdfPrinter, nullptr, mode);
        }
    }
    ::ClosePrinter(printer);
    return dc;
}

bool Win32PrintTarget::begin(std::string_view documentName, bool landscape) {
    error_.clear();
    pages_ = 0;
    ownsDc_ = !dialog_;
    if (dialog_) {
        dc_ = dialog_(landscape);
    } else if (pdfPath_.empty()) {
        dc_ = askPrinter(landscape);
    } else {
        dc_ = pdfPrinter(landscape);
        if (!dc_) error_ = "nie można otworzyć drukarki „Microsoft Print to PDF”";
    }
    if (!dc_) return false;
    // The pages are drawn as pictures where they hold pictures: a printer that cannot
    // stretch them would print the documents without them.
    if (::GetDeviceCaps(dc_, TECHNOLOGY) == DT_RASPRINTER &&
        !(::GetDeviceCaps(dc_, RASTERCAPS) & RC_STRETCHDIB)) {
        error_ = "wybrana drukarka nie drukuje obrazów";
        if (ownsDc_) ::DeleteDC(dc_);
        dc_ = nullptr;
        return false;
    }
    return startDocument(documentName);
}

bool Win32PrintTarget::startDocument(std::string_view documentName) {
    const std::wstring name = fromUtf8(documentName);
    std::wstring output;
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    if (!pdfPath_.empty()) {
        const std::filesystem::path folder =
            pdfPath_.has_parent_path() ? pdfPath_.parent_path() : std::filesystem::path(L".");
        temporaryPath_ = folder / (L"." + pdfPath_.filename().wstring() + L"." +
                                   std::to_wstring(::GetCurrentProcessId()) + L".tmp");
        output = temporaryPath_.wstring();
        info.lpszOutput = output.c_str();
    }
    // Only a printer keeps documents and pages; a picture device (tests) is one page.
    const bool printer = ::GetDeviceCaps(dc_, TECHNOLOGY) == DT_RASPRINTER;
    if (printer && (::StartDocW(dc_, &info) <= 0 || ::StartPage(dc_) <= 0)) {
        error_ = pdfPath_.empty() ? "drukarka nie przyjęła dokumentu"
                                  : "nie można zapisać " + toUtf8(pdfPath_.wstring());
        if (ownsDc_) ::DeleteDC(dc_);
        dc_ = nullptr;
        discardPdf();
        return false;
    }
    spooled_ = printer;
    pages_ = 1;
    return true;
}

ui::PageSize Win32PrintTarget::printableSize() const {
    if (!dc_) return {};
    return {::GetDeviceCaps(dc_, HORZRES), ::GetDeviceCaps(dc_, VERTRES)};
}

void Win32PrintTarget::newPage() {
    if (!dc_) return;
    if (spooled_) {
        ::EndPage(dc_);
        ::StartPage(dc_);
    }
    ++pages_;
}

void Win32PrintTarget::place(const ui::RecordingSurface& page, ui::Rect source, ui::Rect target) {
    if (!dc_) return;
    const int saved = ::SaveDC(dc_);
    ui::replayOnto(dc_, page.calls(), source, target);
    ::RestoreDC(dc_, saved);
}

bool Win32PrintTarget::end() {
    if (!dc_) return false;
    bool written = true;
    if (spooled_) written = ::EndPage(dc_) > 0 && ::EndDoc(dc_) > 0;
    spooled_ = false;
    if (ownsDc_) ::DeleteDC(dc_);
    dc_ = nullptr;
    if (pdfPath_.empty()) {
        if (!written) error_ = "drukarka nie przyjęła dokumentu";
        return written;
    }
    std::error_code ec;
    if (!written || std::filesystem::file_size(temporaryPath_, ec) == 0 || ec) {
        error_ = "nie można zapisać " + toUtf8(pdfPath_.wstring());
        discardPdf();
        return false;
    }
    if (!::MoveFileExW(temporaryPath_.c_str(), pdfPath_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error_ = "nie można zapisać " + toUtf8(pdfPath_.wstring());
        discardPdf();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void Win32PrintTarget::discardPdf() {
    if (temporaryPath_.empty()) return;
    ::DeleteFileW(temporaryPath_.c_str());
    temporaryPath_.clear();
}

int Win32PrintTarget::textWidth(std::string_view cp1250, ui::FontId font) const {
    return ui::gdiTextWidth(cp1250, font);
}

}  // namespace lun4::platform
