#pragma once

#include "platform/message_box.h"

#include <string>
#include <vector>

namespace platform {

// A message box that shows nothing and keeps every text it is given, for a sheet that works
// unseen: whoever runs that sheet reads the messages and decides what to show of them.
class RecordingMessageBox : public MessageBox {
public:
    void show(const std::string& text) override { texts_.push_back(text); }
    // Nobody is there to answer: nothing is saved or lost.
    Answer askToSave(const std::string& question) override {
        texts_.push_back(question);
        return Answer::Cancel;
    }
    Answer askToOverwrite(const std::string& question) override {
        texts_.push_back(question);
        return Answer::Cancel;
    }
    const std::vector<std::string>& texts() const { return texts_; }
    void clear() { texts_.clear(); }

private:
    std::vector<std::string> texts_;
};

} // namespace platform
