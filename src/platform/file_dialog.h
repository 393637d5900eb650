#pragma once

#include <string>
#include <vector>

namespace platform {

// The platform's modal dialogs for choosing Mech files and pictures, owned by one window.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The existing files the user chose, in the order chosen; none when cancelled.
    virtual std::vector<std::string> chooseFilesToOpen() = 0;
    // The file the user chose to save to, having agreed to replace it if it exists; empty
    // when cancelled. The dialog starts on `suggested`, a whole path or a file name alone.
    virtual std::string chooseFileToSave(const std::string& suggested) = 0;
    // The PNG picture the user chose to save to, as chooseFileToSave has it.
    virtual std::string choosePictureToSave(const std::string& suggested) = 0;
};

} // namespace platform
