// Several numbers or names in one sentence: "1", "1 and 2", "1, 2 and 3".
#pragma once

#include <string>
#include <vector>

namespace tlstool {

inline std::string WordList(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            text += i + 1 == words.size() ? " and " : ", ";
        }
        text += words[i];
    }
    return text;
}

}  // namespace tlstool
