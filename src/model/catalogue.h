#pragma once
// The fixed vocabulary of the assessment: three observation areas, six function scales and
// 168 items. Items are told apart by number only; several names repeat across areas.
// Every text returned here is cp1250, as the record and the files hold text.

#include <string_view>

namespace lun4 {

enum class ObservationArea { DirectObservation = 0, Home = 1, SchoolWork = 2 };

enum class FunctionScale {
    VocationalSkills = 0,
    IndependentFunctioning = 1,
    LeisureSkills = 2,
    VocationalBehaviour = 3,
    FunctionalCommunication = 4,
    InterpersonalBehaviour = 5,
};

inline constexpr int kAreaCount = 3;
inline constexpr int kScaleCount = 6;
inline constexpr int kItemCount = 168;

int itemCount();
int itemsPerScale(ObservationArea area);
int firstItem(ObservationArea area, FunctionScale scale);
int itemNumber(ObservationArea area, FunctionScale scale, int position);
ObservationArea areaOf(int item);
FunctionScale scaleOf(int item);
int positionOf(int item);

std::string_view itemName(int item);
std::string_view areaTitle(ObservationArea area);
std::string_view areaTitleUpper(ObservationArea area);
std::string_view scaleName(FunctionScale scale);
std::string_view scaleButtonImage(FunctionScale scale);
std::string_view scaleHeadingImage(FunctionScale scale);
int areaMenuScreen(ObservationArea area);
int itemListScreen(ObservationArea area, FunctionScale scale);

inline ObservationArea areaAt(int index) {
    return static_cast<ObservationArea>(index);
}
inline FunctionScale scaleAt(int index) {
    return static_cast<FunctionScale>(index);
}
inline int indexOf(ObservationArea area) {
    return static_cast<int>(area);
}
inline int indexOf(FunctionScale scale) {
    return static_cast<int>(scale);
}

}  // namespace lun4
