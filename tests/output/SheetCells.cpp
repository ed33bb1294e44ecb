#include "SheetCells.h"

#include "output/ZipArchive.h"
#include "storage/TextCodec.h"

#include <cstdlib>

namespace mcb::test {

namespace {

std::string Between(const std::string& xml, std::size_t from, const std::string& open, const std::string& close,
                    std::size_t limit) {
    std::size_t start = xml.find(open, from);
    if (start == std::string::npos || start > limit) return {};
    start = xml.find('>', start) + 1;
    return xml.substr(start, xml.find(close, start) - start);
}

std::string Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(" " + name + "=\"");
    if (at == std::string::npos) return {};
    const std::size_t start = at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

CellPosition Position(const std::string& reference) {
    int column = 0;
    std::size_t i = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z'; ++i)
        column = column * 26 + (reference[i] - 'A' + 1);
    return {std::atoi(reference.c_str() + i), column};
}

std::string Unescaped(const std::string& xml) {
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string text;
    for (std::size_t i = 0; i < xml.size();) {
        bool replaced = false;
        for (const auto& [entity, c] : kEntities) {
            if (xml.compare(i, std::char_traits<char>::length(entity), entity) != 0) continue;
            text += c;
            i += std::char_traits<char>::length(entity);
            replaced = true;
            break;
        }
        if (!replaced) text += xml[i++];
    }
    return text;
}

// "_xHHHH_" stands for the character U+HHHH.
std::string DecodedEscapes(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const bool escape = i + 7 <= text.size() && text.compare(i, 2, "_x") == 0 && text[i + 6] == '_' &&
                            text.substr(i + 2, 4).find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
        if (escape) {
            decoded += Utf8FromCodePoint(char32_t(std::strtoul(text.substr(i + 2, 4).c_str(), nullptr, 16)));
            i += 7;
        } else {
            decoded += text[i++];
        }
    }
    return decoded;
}

} // namespace

std::optional<std::map<CellPosition, ReadCell>> ReadWorkbookCells(const std::string& path) {
    const std::optional<ZipArchive> archive = ZipArchive::Open(path);
    const ZipArchive::Entry* entry = archive ? archive->Find("xl/worksheets/sheet1.xml") : nullptr;
    const std::optional<std::string> xml = entry ? archive->ReadAll(*entry) : std::nullopt;
    if (!xml) return std::nullopt;
    std::map<CellPosition, ReadCell> cells;
    for (std::size_t at = xml->find("<c "); at != std::string::npos; at = xml->find("<c ", at + 1)) {
        const std::size_t end = xml->find("</c>", at);
        const std::string tag = xml->substr(at, xml->find('>', at) - at);
        const bool number = Attribute(tag, "t").empty();
        const std::string raw = number ? Between(*xml, at, "<v", "</v>", end) : Between(*xml, at, "<t", "</t>", end);
        cells[Position(Attribute(tag, "r"))] = {Cp1251FromUtf8(DecodedEscapes(Unescaped(raw))).text, number};
    }
    return cells;
}

} // namespace mcb::test
