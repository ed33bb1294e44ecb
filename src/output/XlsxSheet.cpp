#include "output/XlsxSheet.h"

#include "output/XmlParts.h"
#include "storage/Literal.h"
#include "storage/TextCodec.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace mcb {

namespace {

constexpr double kExactWhole = 1e15;
constexpr std::size_t kEscapeLength = 7; // "_xHHHH_"

std::optional<char32_t> EscapeAt(std::string_view text, std::size_t at) {
    if (at + kEscapeLength > text.size() || text.compare(at, 2, "_x") != 0 || text[at + 6] != '_') return std::nullopt;
    unsigned value = 0;
    const char* first = text.data() + at + 2;
    const auto [end, error] = std::from_chars(first, first + 4, value, 16);
    if (error != std::errc() || end != first + 4) return std::nullopt;
    return char32_t(value);
}

// A lone half of a surrogate pair is no character.
char32_t Character(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF ? char32_t(0xFFFD) : unit;
}

// Where the worksheet parts are named: the relationships of the workbook, targets relative to "xl/".
std::string PartPath(std::string_view target) {
    if (target.starts_with("/")) return std::string(target.substr(1));
    return "xl/" + std::string(target);
}

// The relationship id of the first sheet in "xl/workbook.xml".
class FirstSheetId : public XmlHandler {
public:
    void Start(std::string_view name, const char** attributes) override {
        if (name == "sheet" && id.empty()) id = XmlAttribute(attributes, "id");
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}
    bool Stopped() const override { return !id.empty(); }

    std::string id;
};

// The target of one relationship in "xl/_rels/workbook.xml.rels".
class RelationshipTarget : public XmlHandler {
public:
    explicit RelationshipTarget(std::string id) : id_(std::move(id)) {}
    void Start(std::string_view name, const char** attributes) override {
        if (name == "Relationship" && XmlAttribute(attributes, "Id") == id_)
            target = XmlAttribute(attributes, "Target");
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}
    bool Stopped() const override { return !target.empty(); }

    std::string target;

private:
    std::string id_;
};

// Collects the text of <t> elements outside phonetic runs into one string per <si> or <is>.
class StringText {
public:
    void Start(std::string_view name) {
        if (name == "rPh") ++phonetic_;
        if (name == "t" && phonetic_ == 0) inText_ = true;
    }
    void End(std::string_view name) {
        if (name == "rPh" && phonetic_ > 0) --phonetic_;
        if (name == "t") inText_ = false;
    }
    // False once the text grows past the cap, so that one enormous cell cannot swallow memory.
    bool Text(std::string_view text, std::size_t cap) {
        if (!inText_) return true;
        text_.append(text);
        return text_.size() <= cap;
    }
    std::string Take() {
        std::string text = DecodeCellEscapes(text_);
        text_.clear();
        return text;
    }

private:
    std::string text_;
    int phonetic_ = 0;
    bool inText_ = false;
};

class SharedStrings : public XmlHandler {
public:
    explicit SharedStrings(SheetCollector& collector) : collector_(collector) {}
    void Start(std::string_view name, const char**) override { text_.Start(name); }
    void End(std::string_view name) override {
        text_.End(name);
        if (name != "si") return;
        strings.push_back(text_.Take());
        if (Utf8Length(strings.back()) > collector_.Limits().maxCellChars) Fail();
        if (!collector_.Charge(strings.back().size() + sizeof(std::string))) stopped_ = true;
    }
    void Text(std::string_view text) override {
        if (!text_.Text(text, collector_.Limits().maxCellChars * 4)) Fail();
    }
    bool Stopped() const override { return stopped_; }

    std::vector<std::string> strings;

private:
    void Fail() {
        collector_.Fail(W("общий текст книги длиннее ") + std::to_string(collector_.Limits().maxCellChars) +
                        W(" знаков"));
        stopped_ = true;
    }

    SheetCollector& collector_;
    StringText text_;
    bool stopped_ = false;
};

// Letters of a cell reference give its column, digits its row; nothing for any other text.
struct CellReference {
    std::size_t row = 0;
    std::size_t column = 0;
};

std::optional<CellReference> ParseReference(std::string_view text) {
    constexpr std::size_t kMax = std::size_t(1) << 40; // far past every cap, and safe from overflow
    CellReference at;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= 'A' && text[i] <= 'Z' && at.column < kMax; ++i)
        at.column = at.column * 26 + std::size_t(text[i] - 'A' + 1);
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && at.row < kMax; ++i)
        at.row = at.row * 10 + std::size_t(text[i] - '0');
    if (i != text.size()) return std::nullopt;
    return at;
}

std::size_t ParseRowNumber(std::string_view text, std::size_t previous) {
    if (text.empty()) return previous + 1;
    const std::optional<CellReference> at = ParseReference(text);
    return at && at->column == 0 ? at->row : 0;
}

class SheetCells : public XmlHandler {
public:
    SheetCells(SheetCollector& collector, const std::vector<std::string>& shared)
        : collector_(collector), shared_(shared) {}

    void Start(std::string_view name, const char** attributes) override {
        if (name == "row") {
            row_ = ParseRowNumber(XmlAttribute(attributes, "r"), row_);
            column_ = 0;
        } else if (name == "c") {
            StartCell(attributes);
        } else if (name == "v") {
            inValue_ = true;
        }
        text_.Start(name);
    }
    void End(std::string_view name) override {
        text_.End(name);
        if (name == "v") inValue_ = false;
        if (name == "c") EndCell();
    }
    void Text(std::string_view text) override {
        const std::size_t cap = collector_.Limits().maxCellChars * 4;
        if (inValue_) value_.append(text);
        if (value_.size() > cap || !text_.Text(text, cap)) stopped_ = !collector_.FailTooLong(row_, column_);
    }
    bool Stopped() const override { return stopped_; }

private:
    void StartCell(const char** attributes) {
        const std::string_view reference = XmlAttribute(attributes, "r");
        const std::optional<CellReference> at =
            reference.empty() ? CellReference{row_, column_ + 1} : ParseReference(reference);
        // A reference with letters only keeps the row it stands in.
        column_ = at && at->column > 0 ? at->column : 0;
        if (at && at->row != 0 && at->row != row_) row_ = at->row;
        type_ = XmlAttribute(attributes, "t");
        value_.clear();
        text_.Take();
    }

    void EndCell() {
        std::string text = CellText();
        if (!stopped_) stopped_ = !collector_.Put(row_, column_, std::move(text));
    }

    std::string CellText() {
        if (type_ == "inlineStr") return text_.Take();
        if (type_ == "s") return SharedText();
        if (type_ == "str" || type_ == "e") return DecodeCellEscapes(value_);
        if (type_ == "b") return value_;
        return NumberCellText(value_);
    }

    std::string SharedText() {
        std::size_t index = 0;
        const auto [end, error] = std::from_chars(value_.data(), value_.data() + value_.size(), index);
        if (error == std::errc() && end == value_.data() + value_.size() && index < shared_.size())
            return shared_[index];
        stopped_ = !collector_.Fail(W("ссылка на несуществующий общий текст (") + CellPlace(row_, column_) + ")");
        return {};
    }

    SheetCollector& collector_;
    const std::vector<std::string>& shared_;
    StringText text_;
    std::string value_;
    std::string type_;
    std::size_t row_ = 0;
    std::size_t column_ = 0;
    bool inValue_ = false;
    bool stopped_ = false;
};

XmlLimits PartLimits(const SheetLimits& limits) {
    return {limits.maxPartBytes, limits.maxXmlDepth, limits.maxTagBytes};
}

std::string Damaged(std::string_view part) {
    return W("книга повреждена (часть ") + std::string(part) + ")";
}

// Runs the handler over the part; false, with the collector's error set, when it cannot be read.
bool ReadPart(const ZipArchive& archive, const ZipArchive::Entry& entry, XmlHandler& handler,
              SheetCollector& collector) {
    const XmlResult result = ReadXmlPart(archive, entry, PartLimits(collector.Limits()), handler);
    if (result == XmlResult::Damaged) {
        const bool tooBig = entry.size > collector.Limits().maxPartBytes;
        return collector.Fail(tooBig ? W("часть ") + entry.name + W(" книги больше ") +
                                           std::to_string(collector.Limits().maxPartBytes >> 20) + W(" МБ")
                                     : Damaged(entry.name));
    }
    return collector.Error().empty();
}

// The worksheet named first in the workbook; the usual name when the workbook does not say.
const ZipArchive::Entry* FirstSheet(const ZipArchive& archive, const SheetLimits& limits) {
    const ZipArchive::Entry* workbook = archive.Find("xl/workbook.xml");
    const ZipArchive::Entry* relations = archive.Find("xl/_rels/workbook.xml.rels");
    if (workbook && relations) {
        FirstSheetId sheet;
        ReadXmlPart(archive, *workbook, PartLimits(limits), sheet);
        RelationshipTarget target(sheet.id);
        if (!sheet.id.empty()) ReadXmlPart(archive, *relations, PartLimits(limits), target);
        if (const ZipArchive::Entry* named = target.target.empty() ? nullptr : archive.Find(PartPath(target.target)))
            return named;
    }
    return archive.Find("xl/worksheets/sheet1.xml");
}

} // namespace

std::string DecodeCellEscapes(std::string_view text) {
    if (text.find("_x") == std::string_view::npos) return std::string(text);
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const std::optional<char32_t> unit = EscapeAt(text, i)) {
            decoded += Utf8FromCodePoint(Character(*unit));
            i += kEscapeLength;
        } else {
            decoded += text[i++];
        }
    }
    return decoded;
}

std::string NumberCellText(std::string_view stored) {
    double value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size()) return std::string(stored);
    if (!std::isfinite(value) || value != std::floor(value) || std::fabs(value) >= kExactWhole)
        return std::string(stored);
    return std::to_string(static_cast<long long>(value));
}

SheetRead ReadXlsxSheet(const std::string& path, const SheetLimits& limits) {
    SheetCollector collector(limits);
    const std::optional<ZipArchive> archive = ZipArchive::Open(path);
    if (!archive) {
        collector.Fail(W("файл не является книгой .xlsx"));
        return collector.Take();
    }
    const ZipArchive::Entry* sheet = FirstSheet(*archive, limits);
    if (!sheet) {
        collector.Fail(W("в книге нет листа"));
        return collector.Take();
    }
    SharedStrings shared(collector);
    if (const ZipArchive::Entry* strings = archive->Find("xl/sharedStrings.xml"))
        if (!ReadPart(*archive, *strings, shared, collector)) return collector.Take();
    SheetCells cells(collector, shared.strings);
    ReadPart(*archive, *sheet, cells, collector);
    return collector.Take();
}

} // namespace mcb
