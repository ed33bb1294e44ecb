#include "storage/IniText.h"

#include "storage/Cp1251.h"

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
        if (!section_) return;
        section_->AdoptFileLines(store_.Arena(), first_, lines_.size() - first_);
        store_.Find(section_->Name()); // notes where the lines are
    }

private:
    void StartSection(std::string_view name) {
        Finish();
        section_ = &store_.AppendSection(std::string(name));
        first_ = lines_.size();
    }

    IniStore& store_;
    std::string_view text_;
    BigVector<LineRef>& lines_; // every section's, in file order
    IniSection* section_ = nullptr;
    std::size_t first_ = 0; // the current section's first line
};

bool IsWritten(const IniSection& section, const LineArena& arena) {
    return !section.Name().empty() && !section.Lines(arena).empty();
}

} // namespace

void ParseIniText(IniStore& store) {
    const std::string_view text = store.Arena().FileText();
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

std::string FormatIniText(const IniStore& store, std::string_view header) {
    std::size_t size = header.size();
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section, store.Arena())) continue;
        size += section.Name().size() + 6;
        for (const LineRef& line : section.Lines(store.Arena())) size += line.size + 2;
    }
    std::string text;
    text.reserve(size);
    text.append(header);
    for (const IniSection& section : store.Sections()) {
        if (!IsWritten(section, store.Arena())) continue;
        text.append(1, '[').append(section.Name()).append("]\r\n");
        for (const LineRef& line : section.Lines(store.Arena()))
            if (!line.Deleted()) text.append(store.Arena().Text(line)).append("\r\n");
        text.append("\r\n");
    }
    return text;
}

} // namespace mcb
