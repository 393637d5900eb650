#include "app/control.h"

std::string Control::plainCaption() const {
    std::string plain;
    for (std::size_t i = 0; i < caption_.size(); ++i) {
        // "&&" stands for one "&"; a single "&" only marks the next letter.
        if (caption_[i] == '&' && ++i == caption_.size()) {
            break;
        }
        plain += caption_[i];
    }
    return plain;
}
