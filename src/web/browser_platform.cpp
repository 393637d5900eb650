#include "web/browser_platform.h"

#include <utility>

namespace {

constexpr long NotFound = 2; // as the system registry says it

} // namespace

bool BrowserPlatform::Requests::empty() const {
    return messages.empty() && !closeSheet && !closeAllSheets && !aboutBox && !rangeChart &&
           !help && clipboard.empty() && downloads.empty();
}

platform::PlatformServices BrowserPlatform::services() {
    return {*this, *this, *this, *this, *this, *this, *this, *this, *this};
}

void BrowserPlatform::answerOpen(std::vector<std::pair<std::string, std::string>> files) {
    chosenOrder_.clear();
    chosenFiles_.clear();
    for (auto& [name, bytes] : files) {
        chosenOrder_.push_back(name);
        chosenFiles_[name] = std::move(bytes);
    }
}

void BrowserPlatform::answerSave(std::string name) {
    saveName_ = std::move(name);
}

BrowserPlatform::Requests BrowserPlatform::takeRequests() {
    return std::exchange(requests_, {});
}

BrowserPlatform::SheetRequests BrowserPlatform::takeSheetRequests() {
    return std::exchange(sheetRequests_, {});
}

void BrowserPlatform::show(const std::string& text) {
    requests_.messages.push_back(text);
}

platform::MessageBox::Answer BrowserPlatform::askToSave(const std::string& /*question*/) {
    return Answer::Cancel;
}

platform::MessageBox::Answer BrowserPlatform::askToOverwrite(const std::string& /*question*/) {
    return Answer::Overwrite;
}

void BrowserPlatform::openSheet() {
    sheetRequests_.newSheet = true;
}

// The new sheet is the page's to make; the file goes with the request, and its faults, if
// any, are the new sheet's to tell.
bool BrowserPlatform::openSheetFor(const std::string& path) {
    sheetRequests_.sheetsForFiles.push_back(path);
    return true;
}

bool BrowserPlatform::showSheetFor(const std::string& path) {
    if (!otherSheetHolds(path)) {
        return false;
    }
    sheetRequests_.sheetsToShow.push_back(path);
    return true;
}

bool BrowserPlatform::otherSheetHolds(const std::string& path) {
    return otherSheetHolds_ && otherSheetHolds_(path);
}

void BrowserPlatform::closeSheet() {
    requests_.closeSheet = true;
}

void BrowserPlatform::closeAllSheets() {
    requests_.closeAllSheets = true;
}

void BrowserPlatform::openAboutBox() {
    requests_.aboutBox = true;
}

void BrowserPlatform::openRangeChart() {
    requests_.rangeChart = true;
}

bool BrowserPlatform::setText(const std::string& text) {
    requests_.clipboard.push_back(text);
    return true;
}

long BrowserPlatform::openKey(std::uint32_t, const std::string&, std::uint32_t, Key& key) {
    key = 0;
    return NotFound;
}

long BrowserPlatform::queryValue(Key, const std::string&, std::uint32_t&, unsigned char*,
                                 std::uint32_t&) {
    return NotFound;
}

long BrowserPlatform::closeKey(Key) {
    return NotFound;
}

bool BrowserPlatform::start(const std::string&) {
    return false;
}

bool BrowserPlatform::exists(const std::string&) {
    return false;
}

bool BrowserPlatform::showHelp(const std::string&, int command) {
    requests_.help = command == ForceFile;
    return requests_.help;
}

platform::FileStore::Reading BrowserPlatform::read(const std::string& path, std::size_t limit) {
    const auto file = chosenFiles_.find(path);
    if (file == chosenFiles_.end()) {
        return {Status::Missing, {}, {}};
    }
    if (file->second.size() > limit) {
        return {Status::TooLarge, {}, {}};
    }
    return {Status::Read, file->second, {}};
}

std::string BrowserPlatform::write(const std::string& path, const std::string& bytes) {
    requests_.downloads[path] = bytes;
    return {};
}

// Chosen once: the next "Open Mech..." asks the user anew.
std::vector<std::string> BrowserPlatform::chooseFilesToOpen() {
    return std::exchange(chosenOrder_, {});
}

// The page asks its user for the name before it saves: chosen once, for this save.
std::string BrowserPlatform::chooseFileToSave(const std::string& /*suggested*/) {
    return std::exchange(saveName_, {});
}

std::string BrowserPlatform::choosePictureToSave(const std::string& suggested) {
    return chooseFileToSave(suggested);
}
