// Reading the XML parts of a workbook as a stream of elements. Names arrive without their namespace
// prefix. A part that declares a document type is refused: workbooks never need one, and entity
// definitions are the classic way to make a small file expand without end. The parser keeps every
// open element and buffers every tag whole, so nesting and the length of one tag are capped too.
#pragma once

#include "output/ZipArchive.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace mcb {

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // attributes: name, value, name, value ..., then null; names without their namespace.
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Text(std::string_view text) = 0;
    // Checked after every call: true stops the reading.
    virtual bool Stopped() const = 0;
};

// The value of the attribute with that local name; empty when absent.
std::string_view XmlAttribute(const char** attributes, std::string_view name);

enum class XmlResult { Done, Stopped, Damaged };

struct XmlLimits {
    std::uint64_t maxBytes = 0;      // the unpacked part
    int maxDepth = 0;                // elements open at once; a worksheet nests six deep
    std::uint64_t maxTokenBytes = 0; // a tag, comment or instruction, which the parser buffers whole
};

// Streams the part through the handler. Damaged: the part does not inflate, passes a limit, is not
// well-formed XML or declares a document type.
XmlResult ReadXmlPart(const ZipArchive& archive, const ZipArchive::Entry& entry, const XmlLimits& limits,
                      XmlHandler& handler);

} // namespace mcb
