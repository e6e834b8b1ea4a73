#include "ui/qt/qt_fonts.h"

#include <QFontMetrics>
#include <array>
#include <optional>

#include "model/cp1250.h"

namespace lun4::ui {
namespace {

QString familyOf(Face face) {
    switch (face) {
        case Face::Arial:
            return QStringLiteral("Liberation Sans");
        case Face::Tahoma:
            return QStringLiteral("DejaVu Sans");
        case Face::System:
            return QStringLiteral("DejaVu Sans");
    }
    return {};
}

QFont makeFont(const FontSpec& style, int cellHeight) {
    QFont font(familyOf(style.face));
    font.setStyleHint(QFont::SansSerif);
    // Weight 800 draws as the heaviest weight the face has: both faces stop at bold.
    font.setWeight(style.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setUnderline(style.underline);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Largest pixel size whose ascent + descent still fits the cell.
    int pixels = cellHeight;
    for (; pixels > 4; --pixels) {
        font.setPixelSize(pixels);
        QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= cellHeight) break;
    }
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

const QFont& qtFont(FontId id) {
    static std::array<std::optional<QFont>, kFontCount> cache;
    auto& slot = cache[static_cast<int>(id)];
    if (!slot) {
        const FontSpec& style = fontSpec(id);
        slot = makeFont(style, style.cellHeight);
    }
    return *slot;
}

QFont qtFontScaled(FontId id, double scale) {
    if (scale == 1.0) return qtFont(id);
    const FontSpec& style = fontSpec(id);
    return makeFont(style, static_cast<int>(style.cellHeight * scale + 0.5));
}

QString toQString(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char ch : text) {
        out.append(QChar(static_cast<char16_t>(
            cp1250::toUnicode(static_cast<unsigned char>(ch)).value_or(U'\uFFFD'))));
    }
    return out;
}

}  // namespace lun4::ui
