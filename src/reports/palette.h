#pragma once
// The report palette of the model (scoring.h) as drawing colours.

#include <string_view>

#include "model/scoring.h"
#include "ui/geometry.h"

namespace lun4::reports {

inline constexpr ui::Rgb rgb(ScoreRgb c) {
    return {c.r, c.g, c.b};
}
inline ui::Rgb scoreFill(char code) {
    return rgb(scoreColour(code));
}

// The letter a score cell carries, so that the form reads without colour (a copier's black
// and white): "Z" zaliczone, "P" pojawiające się, "N" niezaliczone, nothing for an unscored
// item or a code no score has. Black on green and yellow, white on red.
inline std::string_view scoreLetter(char code) {
    switch (code) {
        case kPass:
            return "Z";
        case kEmerging:
            return "P";
        case kFail:
            return "N";
        default:
            return {};
    }
}
inline ui::Rgb scoreLetterColour(char code) {
    return code == kFail ? ui::kWhite : ui::kBlack;
}

// The signature warning under the chart and the summary form is printed in the fail red.
inline constexpr ui::Rgb kWarningRed = rgb(kFailColour);

}  // namespace lun4::reports
