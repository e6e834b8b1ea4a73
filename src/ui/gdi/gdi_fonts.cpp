#include "ui/gdi/gdi_fonts.h"

#include <array>
#include <mutex>

#include "model/cp1250.h"

namespace lun4::ui {
namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

const wchar_t* familyOf(Face face) {
    switch (face) {
        case Face::Arial:
            // Where Arial is missing the system's substitute (Liberation Sans) answers to it.
            return L"Arial";
        case Face::Tahoma:
        case Face::System: {
            static const wchar_t* tahoma = installed(L"Tahoma") ? L"Tahoma" : L"DejaVu Sans";
            return tahoma;
        }
    }
    return L"Arial";
}

// A DC to measure with, its font selected per call.
HDC measuringDc() {
    static const HDC dc = ::CreateCompatibleDC(nullptr);
    return dc;
}

}  // namespace

LOGFONTW gdiLogFont(FontId id) {
    const FontSpec& wanted = fontSpec(id);
    LOGFONTW font{};
    // A positive height asks for the cell height: ascent plus descent.
    font.lfHeight = wanted.cellHeight;
    font.lfWeight = wanted.weight == 0 ? FW_NORMAL : wanted.weight;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    font.lfCharSet = EASTEUROPE_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Grey smoothing, never coloured: the frame is a picture, scaled and printed.
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(font.lfFaceName, familyOf(wanted.face), LF_FACESIZE - 1);
    return font;
}

HFONT gdiFont(FontId id) {
    static std::array<HFONT, kFontCount> fonts{};
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    HFONT& font = fonts[static_cast<int>(id)];
    if (!font) {
        const LOGFONTW description = gdiLogFont(id);
        font = ::CreateFontIndirectW(&description);
    }
    return font;
}

int gdiTextWidth(std::string_view cp1250, FontId id) {
    if (cp1250.empty()) return 0;
    const std::wstring text = toWide(cp1250);
    const HDC dc = measuringDc();
    const HGDIOBJ old = ::SelectObject(dc, gdiFont(id));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    return size.cx;
}

std::wstring toWide(std::string_view cp1250) {
    std::wstring out;
    out.reserve(cp1250.size());
    for (char ch : cp1250) {
        out += static_cast<wchar_t>(
            cp1250::toUnicode(static_cast<unsigned char>(ch)).value_or(U'\uFFFD'));
    }
    return out;
}

}  // namespace lun4::ui
