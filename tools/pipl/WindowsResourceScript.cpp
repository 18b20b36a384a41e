#include "WindowsResourceScript.h"

#include <cstdio>
#include <stdexcept>

namespace pipl {

std::string WindowsResourceScript(const std::vector<std::uint8_t>& list) {
    if (list.size() % 2 != 0) throw std::invalid_argument("property list of odd length");
    std::string text = "/* Generated from plugin/resources/DorvaneProperties.h by dorvane-pipl. */\n";
    text += "LANGUAGE " + std::to_string(kWindowsResourceLanguage) + ", " +
            std::to_string(kWindowsResourceSublanguage) + "\n";
    text += std::to_string(kWindowsResourceId) + " PIPL DISCARDABLE\nBEGIN\n";
    for (std::size_t i = 0; i < list.size(); i += 2) {
        // Words are stored little-endian, which keeps the bytes in order.
        char word[16];
        std::snprintf(word, sizeof(word), "0x%02X%02X", list[i + 1], list[i]);
        text += (i % 16 == 0 ? "    " : " ");
        text += word;
        const bool last = i + 2 >= list.size();
        text += last ? "\n" : ((i + 2) % 16 == 0 ? ",\n" : ",");
    }
    text += "END\n";
    return text;
}

}  // namespace pipl
