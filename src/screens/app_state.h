#pragma once
// State shared by all screens: the one examinee record and the controller's integers.

#include "model/examinee_record.h"
#include "ui/geometry.h"

namespace lun4 {

struct AppState {
    ExamineeRecord record;
    int screenId = 0;
    int currentItem = 0;   // 1..168 on the item page and its sub-pages
    int returnScreen = 0;  // item list the item page's back button leads to
    ui::Point lastMouse;   // stored before the controller runs
};

}  // namespace lun4
