#include "storage/IniText.h"

#include "storage/Cp1251.h"

#include <algorithm>
#include <cstdint>

namespace mcb {

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Collects the key lines of the section being read and hands them over when it ends.
class Reader {
public:
    explicit Reader(IniStore& store)
        : store_(store), text_(store.Arena().FileText()), lines_(store.Arena().FileLines()) {}

    void Take(std::size_t start, std::size_t end) {
        const std::string_view line = TrimControl(text_.substr(start, end - start));
        if (line.size() < 2 || line.front() == ';') return;
        if (line.front() == '[' && line.back() == ']') {
            if (line.size() > 2) StartSection(line.substr(1, line.size() - 2));
            return;
        }
        const std::size_t equals = line.find('=');
        // No real line comes near 4 GiB; such a line is dropped rather than cut.
        if (section_ && equals != std::string_view::npos && line.size() <= UINT32_MAX)
            lines_.push_back(LineArena::FromFile(std::size_t(line.data() - text_.data()), line.size(), equals));
    }

    void Finish() {
        if (section_) section_->AdoptFileLines(store_.Arena(), first_, lines_.size() - first_);
    }

private:
    void StartSection(std::string_view name) {
        Finish();
        const std::size_t offset = std::size_t(name.data() - text_.data());
        section_ = &store_.AppendSection(LineArena::FromFile(offset, name.size(), name.size()));
        first_ = lines_.size();
    }

    IniStore& store_;
    std::string_view text_;
    BigVector<LineRef>& lines_; // every section's, in file order
    IniSection* section_ = nullptr;
    std::size_t first_ = 0; // the current section's first line
};

bool IsWritten(const IniSection& section, const LineArena& arena) {
    return !section.Name(arena).empty() && !section.Lines(arena).empty();
}

} // namespace

namespace {

// Room for as many lines and sections as the text can hold, so that no table is moved while it
// grows (which would hold the old and the new table at once). Only what is used is touched.
void ReserveFor(IniStore& store, std::string_view text) {
    std::size_t ends = 0, brackets = 0;
    for (char c : text) {
        ends += (c == '\r') | (c == '\n');
        brackets += c == '[';
    }
    const std::size_t lines = std::min(ends + 1, text.size() / 3 + 1); // a key line takes at least 3 bytes
    store.Arena().FileLines().reserve(lines);
    store.Reserve(std::min(brackets, lines));
}

} // namespace

void ParseIniText(IniStore& store) {
    const std::string_view text = store.Arena().FileText();
    ReserveFor(store, text);
    Reader reader(store);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        while (pos < text.size() && !IsLineEnd(text[pos])) ++pos;
        reader.Take(start, pos);
        while (pos < text.size() && IsLineEnd(text[pos])) ++pos;
    }
    reader.Finish();
}

namespace {

// Appends the live lines of a section, each followed by CR LF. Lines that follow each other in the
// file text with just CR LF between them are copied as one piece: a section read from a file the
// program wrote, and not changed since, takes one copy.
void AppendLines(std::string& text, const IniSection& section, const LineArena& arena) {
    const char* runStart = nullptr;
    const char* runEnd = nullptr; // null while there is no run
    const auto flush = [&] {
        if (runEnd) text.append(runStart, runEnd).append("\r\n");
        runEnd = nullptr;
    };
    for (const LineRef& line : section.Lines(arena)) {
        if (line.Deleted()) continue;
        const std::string_view bytes = arena.Text(line);
        // Only lines of the file text join: their bytes lie in one buffer.
        const bool joins =
            runEnd && !line.Owned() && bytes.data() == runEnd + 2 && runEnd[0] == '\r' && runEnd[1] == '\n';
        if (!joins) {
            flush();
            runStart = bytes.data();
        }
        runEnd = bytes.data() + bytes.size();
        if (line.Owned()) flush();
    }
    flush();
}

} // namespace

std::string FormatIniText(const IniStore& store, std::string_view header) {
    std::size_t size = header.size();
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section, store.Arena())) continue;
        size += section.Name(store.Arena()).size() + 6;
        for (const LineRef& line : section.Lines(store.Arena())) size += line.size + 2;
    }
    std::string text;
    text.reserve(size);
    text.append(header);
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section, store.Arena())) continue;
        text.append(1, '[').append(section.Name(store.Arena())).append("]\r\n");
        AppendLines(text, section, store.Arena());
        text.append("\r\n");
    }
    return text;
}

} // namespace mcb
