#include "output/XlsxCheck.h"

#include "output/ZipArchive.h"

#include <string_view>

namespace mcb {

namespace {

constexpr std::size_t kHeadSize = 1024;
constexpr std::size_t kTailSize = 256;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsXmlPart(std::string_view name) {
    return EndsWith(name, ".xml") || EndsWith(name, ".rels");
}

// The name of the first element after the declaration and any processing instructions.
std::string_view RootName(std::string_view head) {
    std::size_t at = head.find('<');
    while (at != std::string_view::npos && at + 1 < head.size() && head[at + 1] == '?') at = head.find('<', at + 1);
    if (at == std::string_view::npos) return {};
    const std::size_t end = head.find_first_of(" \t\r\n/>", at + 1);
    return end == std::string_view::npos ? std::string_view() : head.substr(at + 1, end - at - 1);
}

bool XmlPartComplete(std::string_view head, std::string_view tail) {
    const std::string_view root = RootName(head);
    const std::size_t last = tail.find_last_not_of(" \t\r\n");
    if (root.empty() || last == std::string_view::npos) return false;
    return EndsWith(tail.substr(0, last + 1), "</" + std::string(root) + ">");
}

// Keeps the first and the last bytes of an entry as they stream past.
struct HeadAndTail {
    std::string head;
    std::string tail;

    void Add(std::string_view piece) {
        if (head.size() < kHeadSize) head.append(piece.substr(0, kHeadSize - head.size()));
        tail.append(piece.size() > kTailSize ? piece.substr(piece.size() - kTailSize) : piece);
        if (tail.size() > kTailSize) tail.erase(0, tail.size() - kTailSize);
    }
};

bool EntryComplete(const ZipArchive& archive, const ZipArchive::Entry& entry) {
    HeadAndTail seen;
    if (!archive.Read(entry, [&](std::string_view piece) {
            seen.Add(piece);
            return true;
        }))
        return false;
    return !IsXmlPart(entry.name) || XmlPartComplete(seen.head, seen.tail);
}

} // namespace

bool WorkbookComplete(const std::string& path) {
    const std::optional<ZipArchive> archive = ZipArchive::Open(path);
    if (!archive || !archive->Find("xl/worksheets/sheet1.xml")) return false;
    for (const ZipArchive::Entry& entry : archive->Entries())
        if (!EntryComplete(*archive, entry)) return false;
    return true;
}

} // namespace mcb
