#include "model/text_wrap.h"

#include <algorithm>

namespace velmora {

std::vector<std::string> wrappedLines(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line;
        for (std::size_t pos = start; pos < end;) {
            const std::size_t blank = std::min(text.find(' ', pos), end);
            const std::string_view word = text.substr(pos, blank - pos);
            if (!line.empty() && line.size() + 1 + word.size() > width) {
                lines.push_back(line);
                line.clear();
            }
            if (!word.empty()) {
                line += (line.empty() ? "" : " ") + std::string(word);
            }
            pos = blank + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace velmora
