#include "app/control.h"

std::string Control::withoutMnemonic(const std::string& caption, int& mnemonicAt) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a single "&" only marks the next letter.
        const bool marker = caption[i] == '&';
        if (marker && ++i == caption.size()) {
            break;
        }
        if (marker && caption[i] != '&' && mnemonicAt < 0) {
            mnemonicAt = static_cast<int>(plain.size());
        }
        plain += caption[i];
    }
    return plain;
}
