#include "app/control.h"

std::string Control::withoutMnemonic(const std::string& caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a single "&" only marks the next letter.
        if (caption[i] == '&' && ++i == caption.size()) {
            break;
        }
        plain += caption[i];
    }
    return plain;
}
