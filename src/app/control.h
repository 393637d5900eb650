#pragma once

#include <string>
#include <utility>

// What every control of a window has: it can be shown or hidden, enabled or disabled, and it
// has a caption: the text shown on a button, box or frame, or, for a field that shows no
// caption of its own, the name it goes by ("Light Woods"). Messages and breakdowns name a
// control by its caption, as the user reads it.
class Control {
public:
    explicit Control(std::string caption = {})
        : caption_(std::move(caption)), plainCaption_(withoutMnemonic(caption_, mnemonicAt_)) {}

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    void show() { visible_ = true; }
    void hide() { visible_ = false; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    const std::string& caption() const { return caption_; }
    // The caption without its mnemonic marker: "&Edit Mech" reads "Edit Mech". Kept, since
    // every Calculate names the chosen options by it.
    const std::string& plainCaption() const { return plainCaption_; }
    // Where in the plain caption the letter stands that the marker picked out; -1 for none.
    int mnemonicAt() const { return mnemonicAt_; }

protected:
    // Shown and enabled as the other is; the caption is the control's own and stays. A copy
    // is no user's action, so no control raises anything while it takes another's state.
    void copyStateFrom(const Control& other) {
        visible_ = other.visible_;
        enabled_ = other.enabled_;
    }

private:
    static std::string withoutMnemonic(const std::string& caption, int& mnemonicAt);

    std::string caption_;
    int mnemonicAt_ = -1;
    std::string plainCaption_;
    bool visible_ = true;
    bool enabled_ = true;
};
