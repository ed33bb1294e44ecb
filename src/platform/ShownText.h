// The part of a stored text that a window shows. A value of megabytes (a hand-edited or damaged
// catalogue) cannot be laid out on the screen quickly, and no field could show it whole anyway: each
// line is cut for the screen after kShown*Chars characters, and a text of many lines after a total.
// The stored value itself stays as it is; whoever shows a cut text keeps the value it came from.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace mcb {

inline constexpr std::size_t kShownCellChars = 1024;        // a table cell, a label, a caption
inline constexpr std::size_t kShownFieldChars = 32767;      // a line of an edit field or a memo
inline constexpr std::size_t kShownMemoChars = 1024 * 1024; // all lines of a memo together

template <class Char> struct ShownPartOf {
    std::basic_string<Char> text;
    bool cut = false; // something of the value is not in the text
};
using ShownPart = ShownPartOf<char>;

// Lines end with LF or CR LF; the breaks stay as they are. For Windows-1251 bytes and for the UTF-16
// of the screen alike.
template <class Char>
ShownPartOf<Char> ShownTextOf(std::basic_string_view<Char> text, std::size_t lineChars, std::size_t totalChars) {
    constexpr auto npos = std::basic_string_view<Char>::npos;
    ShownPartOf<Char> shown;
    if (text.size() <= std::min(lineChars, totalChars)) { // the usual value: no line can be too long
        shown.text = text;
        return shown;
    }
    while (!text.empty() && shown.text.size() < totalChars) {
        const std::size_t end = text.find(Char('\n'));
        const std::size_t next = end == npos ? text.size() : end + 1;
        std::size_t length = end == npos ? text.size() : end;
        if (end != npos && length > 0 && text[length - 1] == Char('\r')) --length;
        const std::size_t room = std::min(lineChars, totalChars - shown.text.size());
        shown.cut = shown.cut || length > room;
        shown.text.append(text.substr(0, std::min(length, room)));
        shown.text.append(text.substr(length, next - length)); // the line's break
        text.remove_prefix(next);
    }
    shown.cut = shown.cut || !text.empty();
    return shown;
}

inline ShownPart ShownText(std::string_view text, std::size_t lineChars, std::size_t totalChars) {
    return ShownTextOf<char>(text, lineChars, totalChars);
}

} // namespace mcb
