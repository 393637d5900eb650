#pragma once

#include <string>

namespace platform {

// A modal message box with the text, an OK button only, no icon and the caption "Vexolan".
// Returns when the user dismisses it.
class MessageBox {
public:
    enum class Answer { Save, Discard, Overwrite, Cancel };

    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
    // Asks whether to save changes before they would be lost, in the same kind of box with
    // the buttons Save, Discard and Cancel.
    virtual Answer askToSave(const std::string& question) = 0;
    // Asks whether to write over a file that someone else has changed, in the same kind of box
    // with the buttons Overwrite and Cancel; Cancel unless the user chose to overwrite.
    virtual Answer askToOverwrite(const std::string& question) = 0;
};

} // namespace platform
