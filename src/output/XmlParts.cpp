#include "output/XmlParts.h"

#include <expat.h>
#include <memory>

namespace mcb {

namespace {

constexpr char kNamespaceSeparator = '\x01';

std::string_view LocalName(const char* name) {
    const std::string_view full(name);
    const std::size_t separator = full.rfind(kNamespaceSeparator);
    return separator == std::string_view::npos ? full : full.substr(separator + 1);
}

struct ParseState {
    XML_Parser parser;
    XmlHandler& handler;
    const XmlLimits& limits;
    bool refused = false; // a document type, or past a limit
    int depth = 0;
    std::uint64_t fed = 0;       // bytes given to the parser
    std::uint64_t lastEvent = 0; // where the latest tag or text ended

    void Refuse() {
        refused = true;
        XML_StopParser(parser, XML_FALSE);
    }
    // Called from every handler: the parser has read up to here, so nothing before is buffered.
    void Seen() {
        lastEvent = std::uint64_t(XML_GetCurrentByteIndex(parser) + XML_GetCurrentByteCount(parser));
        if (handler.Stopped()) XML_StopParser(parser, XML_FALSE);
    }
    bool Feed(std::string_view piece) {
        fed += piece.size();
        if (XML_Parse(parser, piece.data(), int(piece.size()), XML_FALSE) != XML_STATUS_OK) return false;
        if (fed - lastEvent > limits.maxTokenBytes) Refuse();
        return !refused;
    }
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* state = static_cast<ParseState*>(data);
    if (++state->depth > state->limits.maxDepth) return state->Refuse();
    state->handler.Start(LocalName(name), attributes);
    state->Seen();
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
    auto* state = static_cast<ParseState*>(data);
    --state->depth;
    state->handler.End(LocalName(name));
    state->Seen();
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    auto* state = static_cast<ParseState*>(data);
    state->handler.Text(std::string_view(text, std::size_t(length)));
    state->Seen();
}

void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<ParseState*>(data)->Refuse();
}

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

} // namespace

std::string_view XmlAttribute(const char** attributes, std::string_view name) {
    for (const char** a = attributes; a && a[0] && a[1]; a += 2)
        if (LocalName(a[0]) == name) return a[1];
    return {};
}

XmlResult ReadXmlPart(const ZipArchive& archive, const ZipArchive::Entry& entry, const XmlLimits& limits,
                      XmlHandler& handler) {
    if (entry.size > limits.maxBytes) return XmlResult::Damaged;
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser) return XmlResult::Damaged;
    ParseState state{parser.get(), handler, limits};
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
    const bool read = archive.Read(entry, [&](std::string_view piece) { return state.Feed(piece); });
    if (handler.Stopped() && !state.refused) return XmlResult::Stopped;
    if (!read || state.refused || XML_Parse(parser.get(), nullptr, 0, XML_TRUE) != XML_STATUS_OK)
        return XmlResult::Damaged;
    return XmlResult::Done;
}

} // namespace mcb
