#include "lance/lance.h"

#include "app/sheet_copy.h"

#include <algorithm>

namespace {

// A declaration the user edited may span lines; in the lance's text each sheet keeps one.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

Lance::Lance(platform::PlatformServices& platform) : platform_(platform) {
    nextTurnCommand.onClick([this] { nextTurn(); });
    undoCommand.onClick([this] { undoNextTurn(); });
    copyDeclarationCommand.onClick(
        [this] { platform::copyToClipboard(platform_.clipboard, declaration()); });
    undoCommand.setEnabled(false);
}

Lance::~Lance() = default;

void Lance::opened(CombatSheet& sheet) {
    members_.push_back({&sheet, nullptr});
    forgetUndo();
}

void Lance::closed(const CombatSheet& sheet) {
    std::erase_if(members_, [&sheet](const Member& member) { return member.sheet == &sheet; });
    forgetUndo();
}

std::optional<std::size_t> Lance::indexOf(const CombatSheet& sheet) const {
    const auto found =
        std::find_if(members_.begin(), members_.end(),
                     [&sheet](const Member& member) { return member.sheet == &sheet; });
    if (found == members_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - members_.begin());
}

void Lance::setTurn(int turn) {
    turn_ = std::clamp(turn, FirstTurn, LastTurn);
}

// The sheet's own two blanks lead its declaration; one the user edited to begin otherwise is
// still set apart from the title by them.
std::string Lance::declaration() const {
    std::string text;
    for (const Member& member : members_) {
        const std::string& declared = member.sheet->declarationBox.text();
        if (isBlank(declared)) {
            continue;
        }
        if (!text.empty()) {
            text += '\n';
        }
        text += member.sheet->title();
        text += declared.front() == ' ' ? "" : "  ";
        text += oneLine(declared);
    }
    return text;
}

// The Clear of each sheet runs unchanged, through its button, so the lance clears exactly what
// a player clearing sheet by sheet would.
void Lance::nextTurn() {
    for (Member& member : members_) {
        if (!member.before) {
            member.before = std::make_unique<CombatSheet>(member.sheet->platform());
        }
        copySheet(*member.sheet, *member.before);
    }
    undoTurn_ = turn_;
    for (Member& member : members_) {
        member.sheet->clearButton.userClick();
    }
    setTurn(turn_ + 1);
    undoCommand.setEnabled(true);
}

void Lance::undoNextTurn() {
    if (!undoTurn_) {
        return;
    }
    for (Member& member : members_) {
        copySheet(*member.before, *member.sheet);
    }
    turn_ = *undoTurn_;
    forgetUndo();
}

void Lance::forgetUndo() {
    undoTurn_.reset();
    undoCommand.setEnabled(false);
}
