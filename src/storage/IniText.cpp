#include "storage/IniText.h"

#include "storage/Cp1251.h"

namespace mcb {

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

void TakeLine(std::string_view line, IniStore& store) {
    line = TrimControl(line);
    if (line.size() < 2 || line.front() == ';') return;
    if (line.front() == '[' && line.back() == ']') {
        line = line.substr(1, line.size() - 2);
        if (!line.empty()) store.AppendSection(std::string(line));
        return;
    }
    IniSection* section = store.LastSection();
    if (section && line.find('=') != std::string_view::npos) section->AppendLine(std::string(line));
}

bool IsWritten(const IniSection& section) {
    return !section.Name().empty() && !section.Lines().empty();
}

} // namespace

void ParseIniText(std::string_view text, IniStore& store) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        while (pos < text.size() && !IsLineEnd(text[pos])) ++pos;
        TakeLine(text.substr(start, pos - start), store);
        while (pos < text.size() && IsLineEnd(text[pos])) ++pos;
    }
}

std::string FormatIniText(const IniStore& store, std::string_view header) {
    std::size_t size = header.size();
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section)) continue;
        size += section.Name().size() + 6;
        for (const std::string& line : section.Lines()) size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    text.append(header);
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section)) continue;
        text.append(1, '[').append(section.Name()).append("]\r\n");
        for (const std::string& line : section.Lines())
            if (!line.empty()) text.append(line).append("\r\n");
        text.append("\r\n");
    }
    return text;
}

} // namespace mcb
