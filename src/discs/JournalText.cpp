#include "discs/JournalText.h"

#include <algorithm>

namespace mcb {

std::optional<std::size_t> CutOffset(std::string_view journal, int maxLines) {
    const std::size_t keep = std::size_t(std::max(maxLines, 1) - 1);
    // Walk back over the line ends; the text after the (keep + 1)-th one from the end holds the newest
    // `keep` lines. A last line without a break ends at the end of the text.
    std::size_t end = journal.size();
    std::size_t found = 0;
    if (!EndsWithLineBreak(journal)) {
        if (++found > keep) return journal.size();
    }
    while (end > 0) {
        const std::size_t lf = journal.rfind('\n', end - 1);
        if (lf == std::string_view::npos) break;
        if (++found > keep) return lf + 1;
        end = lf;
    }
    return std::nullopt;
}

bool EndsWithLineBreak(std::string_view text) {
    return text.empty() || text.back() == '\n';
}

std::string JournalScreenText(std::string_view fileBytes) {
    std::string text;
    text.reserve(fileBytes.size());
    for (std::size_t i = 0; i < fileBytes.size(); ++i) {
        const char c = fileBytes[i];
        if (c == '\r') {
            if (i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n') ++i;
            text += '\n';
        } else {
            text += c;
        }
    }
    return text;
}

std::string JournalFileText(std::string_view screenText) {
    std::string bytes;
    bytes.reserve(screenText.size() + screenText.size() / 32 + 2);
    for (char c : screenText) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    return bytes;
}

std::size_t LastLineStart(std::string_view screenText) {
    if (!screenText.empty() && screenText.back() == '\n') screenText.remove_suffix(1);
    const std::size_t lf = screenText.rfind('\n');
    return lf == std::string_view::npos ? 0 : lf + 1;
}

} // namespace mcb
