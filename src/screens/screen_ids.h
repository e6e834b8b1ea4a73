#pragma once
// The Screen id names the screen on display.

namespace lun4::screen {

inline constexpr int kEntry = 0;
inline constexpr int kMainMenu = 1;
inline constexpr int kAreaMenuFirst = 4;  // 4, 5, 6
inline constexpr int kAreaMenuLast = 6;
inline constexpr int kItemPage = 100;
inline constexpr int kKeyPage = 101;
inline constexpr int kAdvicePage = 102;
inline constexpr int kRecommendationEditor = 103;
inline constexpr int kFileList = 3001;
inline constexpr int kChartPage1 = 3002;
inline constexpr int kChartPage2 = 3003;
inline constexpr int kDataForm = 3010;
inline constexpr int kNewRecordQuestion = 3011;
inline constexpr int kSave = 3012;
inline constexpr int kFileExists = 3013;
inline constexpr int kInformation = 3014;
inline constexpr int kDeleteQuestion = 3015;
inline constexpr int kPrintMenu = 3020;
inline constexpr int kChartPreview1 = 3021;
inline constexpr int kChartPreview2 = 3022;
inline constexpr int kSummaryPreview = 3023;
inline constexpr int kReportPreview = 3030;
inline constexpr int kWrongFormat = 3041;
inline constexpr int kComparisonList = 3050;
inline constexpr int kComparisonPreview = 3051;
inline constexpr int kExitQuestion = 3080;
inline constexpr int kFullPageChart = 3900;
inline constexpr int kAidsViewer = 4000;

// Item lists: 41..46 direct observation, 51..56 home, 61..66 school and work.
inline bool isItemList(int id) {
    return (id >= 41 && id <= 46) || (id >= 51 && id <= 56) || (id >= 61 && id <= 66);
}
inline bool isAreaMenu(int id) {
    return id >= kAreaMenuFirst && id <= kAreaMenuLast;
}

}  // namespace lun4::screen
