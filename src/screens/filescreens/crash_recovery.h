#pragma once
// Crash recovery: after every change to the record the program writes it to the recovery
// copy; a save and a clean end remove the copy. At the next start a copy left behind means
// the program did not end cleanly, and the diagnostician is offered the record back.

#include <string>

#include "files/recovery_file.h"
#include "screens/controller/screen_controller.h"
#include "screens/filescreens/file_screens.h"

namespace lun4 {

class CrashRecovery {
  public:
    // Listens to the controller's record events from here on.
    CrashRecovery(ScreenController& controller, FileScreens& files, RecoveryStore& store);

    // At the start, before anything is changed: when a copy was left, says whose record it is
    // and from when, and offers it back ("Przywróć", chosen by Enter) or drops it ("Odrzuć").
    // Restoring shows the main menu with the record and the name it had. A copy that cannot
    // be read whole is set aside and reported, never used.
    void offerAtStart();

    // The question's text for a copy of `record`, named `name`, written at `when`.
    static std::string question(const ExamineeRecord& record, const std::string& name,
                                const std::string& when);

  private:
    void onRecordEvent(ScreenController::RecordEvent event);

    ScreenController& controller_;
    FileScreens& files_;
    RecoveryStore& store_;
    bool failureReported_ = false;
};

}  // namespace lun4
