#pragma once
// The report palette of the model (scoring.h) as drawing colours.

#include "model/scoring.h"
#include "ui/geometry.h"

namespace lun4::reports {

inline constexpr ui::Rgb rgb(ScoreRgb c) {
    return {c.r, c.g, c.b};
}
inline ui::Rgb scoreFill(char code) {
    return rgb(scoreColour(code));
}

// The signature warning under the chart and the summary form is printed in the fail red.
inline constexpr ui::Rgb kWarningRed = rgb(kFailColour);

}  // namespace lun4::reports
