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
    bool doctype = false;

    void StopWhenAsked() {
        if (handler.Stopped()) XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* state = static_cast<ParseState*>(data);
    state->handler.Start(LocalName(name), attributes);
    state->StopWhenAsked();
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
    auto* state = static_cast<ParseState*>(data);
    state->handler.End(LocalName(name));
    state->StopWhenAsked();
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    auto* state = static_cast<ParseState*>(data);
    state->handler.Text(std::string_view(text, std::size_t(length)));
    state->StopWhenAsked();
}

void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    auto* state = static_cast<ParseState*>(data);
    state->doctype = true;
    XML_StopParser(state->parser, XML_FALSE);
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

XmlResult ReadXmlPart(const ZipArchive& archive, const ZipArchive::Entry& entry, std::uint64_t maxBytes,
                      XmlHandler& handler) {
    if (entry.size > maxBytes) return XmlResult::Damaged;
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser) return XmlResult::Damaged;
    ParseState state{parser.get(), handler};
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
    const bool read = archive.Read(entry, [&](std::string_view piece) {
        return XML_Parse(parser.get(), piece.data(), int(piece.size()), XML_FALSE) == XML_STATUS_OK;
    });
    if (handler.Stopped() && !state.doctype) return XmlResult::Stopped;
    if (!read || state.doctype || XML_Parse(parser.get(), nullptr, 0, XML_TRUE) != XML_STATUS_OK)
        return XmlResult::Damaged;
    return XmlResult::Done;
}

} // namespace mcb
