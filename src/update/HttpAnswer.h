// The answer of a web server to the news file's request, read as its bytes arrive and held within
// fixed bounds, so that a server that floods, drips or never ends cannot make the program grow or
// spin: the status line and the header fields (trailers of a chunked body included) may take at
// most kMaxHeaderBytes in at most kMaxHeaderFields lines, the body at most the size cap.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mcb {

inline constexpr std::size_t kMaxHeaderBytes = 16 * 1024;
inline constexpr int kMaxHeaderFields = 64;

// The request sent for `target` (path and query, already encoded) to `host` (with ":port" when not
// the scheme's own); the server is asked to close the connection after its answer.
std::string HttpRequestText(std::string_view host, std::string_view target, std::string_view userAgent);

class HttpAnswer {
public:
    enum class State {
        Reading,   // more bytes are needed
        Complete,  // the whole answer has arrived (for a status other than 200: its header)
        TooLarge,  // the body is longer than the cap
        Malformed, // not an HTTP answer, cut off, or beyond the header bounds
    };

    explicit HttpAnswer(std::size_t maxBody) : maxBody_(maxBody) {}

    // Takes the next bytes of the connection; bytes after the end of the answer are ignored.
    State Feed(std::string_view bytes);
    // The server closed the connection: completes a body that runs until then, cuts off anything else.
    State End();

    State state() const { return state_; }
    int Status() const { return status_; }
    // The "Location" field, empty when there is none.
    const std::string& Location() const { return location_; }
    // The body so far; empty once the answer failed.
    const std::string& Body() const { return body_; }

private:
    enum class Part { StatusLine, Fields, Body, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    std::size_t TakeLine(std::string_view bytes);
    std::size_t TakeBody(std::string_view bytes);
    void Line(std::string_view line);
    void StatusLine(std::string_view line);
    void Field(std::string_view line);
    void FieldsEnded();
    void ChunkSize(std::string_view line);
    void Fail(State state);

    std::size_t maxBody_;
    State state_ = State::Reading;
    Part part_ = Part::StatusLine;
    std::string line_;
    std::size_t headerBytes_ = 0;
    int headerFields_ = 0;
    int status_ = 0;
    std::string location_;
    bool chunked_ = false;
    bool lengthKnown_ = false;
    unsigned long long length_ = 0; // of the body or of the current chunk: the bytes still to come
    std::string body_;
};

} // namespace mcb
