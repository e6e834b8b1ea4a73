#pragma once
// What screens need from the program's frame: the three back buffers and the window's own
// buffer, presenting, the click pause, pictures, the controls over the frame, message boxes,
// the save dialog and the writing of editable documents, the user's settings, and the end of
// the program. The platform implements it on Qt; tests use a fake.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/flow_document.h"
#include "ui/print_target.h"
#include "ui/settings.h"
#include "ui/surface.h"

namespace lun4::ui {

// What the save dialog shows. Texts are cp1250.
struct SaveRequest {
    std::string caption;
    std::string fileType;      // the description of the one file type offered
    std::string extension;     // without the dot; added to a name typed without it
    std::string proposedName;  // a file name
    // The folder the name is proposed in; empty, or a folder that is gone, for the user's
    // documents folder.
    std::filesystem::path folder;
};

// The answer to a question that can also be cancelled.
enum class Answer { First, Second, Cancel };

class Frame {
  public:
    virtual ~Frame() = default;

    // Back buffer 0 is the screen buffer; 1 and 2 are page buffers of previews and printing.
    virtual Surface& backBuffer(int index) = 0;
    // The window's own buffer: what the user sees. Hover and click feedback draw here only.
    virtual Surface& windowSurface() = 0;
    // Copies back buffer 0 onto the window surface and shows it.
    virtual void present() = 0;
    // Shows what was drawn directly onto the window surface.
    virtual void showWindowSurface() = 0;
    // The click pause: the window surface, as drawn, stays on screen for `ms` milliseconds;
    // mouse input arriving meanwhile is handled afterwards.
    virtual void pause(int ms) = 0;

    virtual ImageSource& images() = 0;
    virtual TextControl& control(ControlId id) = 0;
    virtual CheckBox& checkBox(CheckBoxId id) = 0;

    // The system's printer, reached through its print dialog.
    virtual PrintTarget& printer() = 0;
    // The user's settings, kept between runs.
    virtual Settings& settings() = 0;

    // A plain message box with an OK button; texts are cp1250.
    virtual void showMessage(std::string_view caption, std::string_view text) = 0;
    // A question with two answers, `first` chosen by Enter; false only when `second` is
    // chosen. Escape and closing the box give `escape` (First or Second): the answer that
    // changes nothing. Texts are cp1250.
    virtual bool ask(std::string_view caption, std::string_view text, std::string_view first,
                     std::string_view second, Answer escape) = 0;
    // A question with two answers and a way back ("Zapisz" / "Nie zapisuj" / "Anuluj"). Enter
    // gives `first`; Escape and closing the box give `cancel`, after which nothing may have
    // changed. Texts are cp1250.
    virtual Answer askOrCancel(std::string_view caption, std::string_view text,
                               std::string_view first, std::string_view second,
                               std::string_view cancel) = 0;

    // Asks where to save a file: the path chosen, or nothing when the user cancels.
    virtual std::optional<std::filesystem::path> askSavePath(const SaveRequest& request) = 0;
    // Asks for an existing file of the request's one file type, in the request's folder (the
    // proposed name is not used): the path chosen, or nothing when the user cancels.
    virtual std::optional<std::filesystem::path> askOpenPath(const SaveRequest& request) = 0;
    // Asks for a folder, the system's folder dialog starting in `start` (the user's documents
    // folder when it is not there): the folder chosen, or nothing when the user cancels. The
    // caption is cp1250.
    virtual std::optional<std::filesystem::path> askFolder(std::string_view caption,
                                                           const std::filesystem::path& start) = 0;
    // Writes `document` as an editable text document (OpenDocument text) at `path` in one
    // step: no partial file is ever left. False with `error` (UTF-8) saying why.
    virtual bool writeEditableDocument(const FlowDocument& document,
                                       const std::filesystem::path& path, std::string& error) = 0;
    // Ends the program after the current event.
    virtual void quit() = 0;
};

}  // namespace lun4::ui
