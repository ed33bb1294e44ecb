#include "update/HttpAnswer.h"

#include "storage/Cp1251.h"

#include <algorithm>

namespace mcb {

namespace {

constexpr int kStatusOk = 200;
constexpr std::size_t kLongestChunkSize = 15; // hex digits; more could overflow

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view TrimSpace(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The codings of a "Transfer-Encoding" field: only "chunked" is acceptable, since the request asks
// for no compression.
bool OnlyChunked(std::string_view value) {
    return EqualsUpper(TrimSpace(value), "chunked");
}

} // namespace

std::string HttpRequestText(std::string_view host, std::string_view target, std::string_view userAgent) {
    std::string text = "GET ";
    text += target.empty() ? std::string_view("/") : target;
    text += " HTTP/1.1\r\nHost: ";
    text += host;
    text += "\r\nUser-Agent: ";
    text += userAgent;
    text += "\r\nAccept: */*\r\nConnection: close\r\n\r\n";
    return text;
}

HttpAnswer::State HttpAnswer::Feed(std::string_view bytes) {
    while (!bytes.empty() && state_ == State::Reading) {
        const bool body = part_ == Part::Body || part_ == Part::ChunkData;
        bytes.remove_prefix(body ? TakeBody(bytes) : TakeLine(bytes));
    }
    return state_;
}

HttpAnswer::State HttpAnswer::End() {
    if (state_ != State::Reading) return state_;
    if (part_ == Part::Body && !lengthKnown_)
        state_ = State::Complete;
    else
        Fail(State::Malformed);
    return state_;
}

// The line so far may never outgrow the bounds, however slowly or endlessly it arrives.
std::size_t HttpAnswer::TakeLine(std::string_view bytes) {
    const std::size_t end = bytes.find('\n');
    const std::size_t used = end == std::string_view::npos ? bytes.size() : end + 1;
    const bool header = part_ == Part::StatusLine || part_ == Part::Fields || part_ == Part::Trailers;
    if (header) headerBytes_ += used;
    if (line_.size() + used > kMaxHeaderBytes || headerBytes_ > kMaxHeaderBytes) {
        Fail(State::Malformed);
        return used;
    }
    line_.append(bytes.substr(0, used));
    if (end == std::string_view::npos) return used;
    std::string_view line(line_);
    line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Line(line);
    line_.clear();
    return used;
}

std::size_t HttpAnswer::TakeBody(std::string_view bytes) {
    std::size_t used = bytes.size();
    if (lengthKnown_ || part_ == Part::ChunkData) used = std::size_t(std::min<unsigned long long>(used, length_));
    if (body_.size() + used > maxBody_) {
        Fail(State::TooLarge);
        return used;
    }
    body_.append(bytes.substr(0, used));
    if (!lengthKnown_ && part_ == Part::Body) return used;
    length_ -= used;
    if (length_ == 0) {
        part_ = part_ == Part::Body ? Part::Done : Part::ChunkEnd;
        if (part_ == Part::Done) state_ = State::Complete;
    }
    return used;
}

void HttpAnswer::Line(std::string_view line) {
    switch (part_) {
    case Part::StatusLine:
        StatusLine(line);
        break;
    case Part::Fields:
        if (line.empty())
            FieldsEnded();
        else
            Field(line);
        break;
    case Part::ChunkSize:
        ChunkSize(line);
        break;
    case Part::ChunkEnd:
        if (line.empty())
            part_ = Part::ChunkSize;
        else
            Fail(State::Malformed);
        break;
    case Part::Trailers:
        if (line.empty()) {
            part_ = Part::Done;
            state_ = State::Complete;
        } else if (++headerFields_ > kMaxHeaderFields) {
            Fail(State::Malformed);
        }
        break;
    default:
        break;
    }
}

// "HTTP/1.x 200 reason": the version, one blank, three digits, then a blank or nothing.
void HttpAnswer::StatusLine(std::string_view line) {
    constexpr std::string_view kVersion = "HTTP/1.";
    const bool ok = line.size() >= 12 && line.substr(0, kVersion.size()) == kVersion && IsDigit(line[7]) &&
                    line[8] == ' ' && IsDigit(line[9]) && IsDigit(line[10]) && IsDigit(line[11]) &&
                    (line.size() == 12 || line[12] == ' ');
    if (!ok) {
        Fail(State::Malformed);
        return;
    }
    status_ = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
    part_ = Part::Fields;
}

void HttpAnswer::Field(std::string_view line) {
    const std::size_t colon = line.find(':');
    const bool folded = line.front() == ' ' || line.front() == '\t'; // an old-style continuation
    if (++headerFields_ > kMaxHeaderFields || (!folded && (colon == std::string_view::npos || colon == 0))) {
        Fail(State::Malformed);
        return;
    }
    if (folded) return;
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = TrimSpace(line.substr(colon + 1));
    if (EqualsUpper(name, "Location")) location_ = value;
    if (EqualsUpper(name, "Transfer-Encoding")) {
        chunked_ = OnlyChunked(value);
        if (!chunked_) Fail(State::Malformed);
    }
    if (EqualsUpper(name, "Content-Length")) {
        const bool digits = !value.empty() && value.size() <= 18 && std::all_of(value.begin(), value.end(), IsDigit);
        const unsigned long long length = digits ? std::stoull(std::string(value)) : 0;
        if (!digits || (lengthKnown_ && length != length_)) Fail(State::Malformed);
        lengthKnown_ = true;
        length_ = length;
    }
}

// Only the answer 200 has a body worth reading; for any other the header tells all.
void HttpAnswer::FieldsEnded() {
    if (status_ != kStatusOk || (!chunked_ && lengthKnown_ && length_ == 0)) {
        part_ = Part::Done;
        state_ = State::Complete;
    } else if (chunked_) {
        lengthKnown_ = false;
        part_ = Part::ChunkSize;
    } else if (lengthKnown_ && length_ > maxBody_) {
        Fail(State::TooLarge);
    } else {
        part_ = Part::Body;
    }
}

// A chunk's size in hex digits, perhaps followed by extensions after ";".
void HttpAnswer::ChunkSize(std::string_view line) {
    const std::string_view digits = TrimSpace(line.substr(0, line.find(';')));
    unsigned long long size = 0;
    for (const char c : digits) size = size * 16 + unsigned(std::max(HexValue(c), 0));
    const bool hex = !digits.empty() && digits.size() <= kLongestChunkSize &&
                     std::all_of(digits.begin(), digits.end(), [](char c) { return HexValue(c) >= 0; });
    if (!hex) {
        Fail(State::Malformed);
    } else if (size == 0) {
        part_ = Part::Trailers;
    } else if (body_.size() + size > maxBody_) {
        Fail(State::TooLarge);
    } else {
        length_ = size;
        part_ = Part::ChunkData;
    }
}

void HttpAnswer::Fail(State state) {
    state_ = state;
    part_ = Part::Done;
    body_.clear();
}

} // namespace mcb
