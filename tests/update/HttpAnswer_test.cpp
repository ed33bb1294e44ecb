// The answer of a web server read within its bounds, whether the bytes come at once or one by one.
#include "update/HttpAnswer.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using State = HttpAnswer::State;

constexpr std::size_t kCap = 64;

struct Case {
    const char* name;
    std::string bytes;
    bool closed; // the server closes the connection after the bytes
    State state;
    int status;
    std::string body;
    std::string location;
};

std::string Fields(int count) {
    std::string fields;
    for (int i = 0; i < count; ++i) fields += "X-" + std::to_string(i) + ": v\r\n";
    return fields;
}

const std::string kOk = "HTTP/1.1 200 OK\r\n";

const Case kCases[] = {
    {"length", kOk + "Content-Length: 5\r\n\r\nhello and more", false, State::Complete, 200, "hello", ""},
    {"empty body", kOk + "Content-Length: 0\r\n\r\n", false, State::Complete, 200, "", ""},
    {"bare line feeds", "HTTP/1.0 200 OK\nContent-Length: 2\n\nhi", false, State::Complete, 200, "hi", ""},
    {"until closed", kOk + "\r\nall of it", true, State::Complete, 200, "all of it", ""},
    {"until closed, still open", kOk + "\r\nall of it", false, State::Reading, 200, "all of it", ""},
    {"chunked", kOk + "Transfer-Encoding: chunked\r\n\r\n5;x=y\r\nhello\r\n1\r\n!\r\n0\r\nT: 1\r\n\r\n", false,
     State::Complete, 200, "hello!", ""},
    {"chunked over a length", kOk + "Content-Length: 99\r\nTransfer-Encoding: CHUNKED\r\n\r\n2\r\nab\r\n0\r\n\r\n",
     false, State::Complete, 200, "ab", ""},
    {"redirect", "HTTP/1.1 302 Found\r\nLocation:  https://b/x \r\nContent-Length: 9\r\n\r\n", false, State::Complete,
     302, "", "https://b/x"},
    {"not found, body unread", "HTTP/1.1 404 Not Found\r\n\r\n", false, State::Complete, 404, "", ""},
    {"the most fields", kOk + Fields(kMaxHeaderFields) + "\r\nx", true, State::Complete, 200, "x", ""},
    {"a field too many", kOk + Fields(kMaxHeaderFields + 1), false, State::Malformed, 200, "", ""},
    {"endless field line", kOk + "X: " + std::string(kMaxHeaderBytes, 'a'), false, State::Malformed, 200, "", ""},
    {"too many header bytes", kOk + "A: " + std::string(9000, 'a') + "\r\nB: " + std::string(9000, 'b') + "\r\n", false,
     State::Malformed, 200, "", ""},
    {"endless trailers", kOk + "Transfer-Encoding: chunked\r\n\r\n0\r\n" + Fields(kMaxHeaderFields), false,
     State::Malformed, 200, "", ""},
    {"declared too long", kOk + "Content-Length: 65\r\n\r\n", false, State::TooLarge, 200, "", ""},
    {"until closed, too long", kOk + "\r\n" + std::string(kCap + 1, 'x'), false, State::TooLarge, 200, "", ""},
    {"chunk too long", kOk + "Transfer-Encoding: chunked\r\n\r\n41\r\n", false, State::TooLarge, 200, "", ""},
    {"chunks too long together", kOk + "Transfer-Encoding: chunked\r\n\r\n20\r\n" + std::string(32, 'a') + "\r\n21\r\n",
     false, State::TooLarge, 200, "", ""},
    {"huge chunk size", kOk + "Transfer-Encoding: chunked\r\n\r\nffffffffffffffffff\r\n", false, State::Malformed, 200,
     "", ""},
    {"cut off body", kOk + "Content-Length: 5\r\n\r\nhel", true, State::Malformed, 200, "", ""},
    {"cut off header", kOk + "Content-Length: 5\r\n", true, State::Malformed, 200, "", ""},
    {"compressed", kOk + "Transfer-Encoding: gzip, chunked\r\n\r\n", false, State::Malformed, 200, "", ""},
    {"two lengths", kOk + "Content-Length: 1\r\nContent-Length: 2\r\n\r\n", false, State::Malformed, 200, "", ""},
    {"length not a number", kOk + "Content-Length: -1\r\n\r\n", false, State::Malformed, 200, "", ""},
    {"field without a name", kOk + ": x\r\n\r\n", false, State::Malformed, 200, "", ""},
    {"not HTTP", "SSH-2.0-OpenSSH\r\n", false, State::Malformed, 0, "", ""},
    {"no status", "HTTP/1.1 OK\r\n", false, State::Malformed, 0, "", ""},
};

void Check(const Case& c, HttpAnswer& answer, const char* how) {
    if (c.closed) answer.End();
    EXPECT_EQ(answer.state(), c.state) << c.name << how;
    EXPECT_EQ(answer.Status(), c.status) << c.name << how;
    EXPECT_EQ(answer.Body(), c.body) << c.name << how;
    EXPECT_EQ(answer.Location(), c.location) << c.name << how;
}

TEST(HttpAnswer, ReadsWithinItsBounds) {
    for (const Case& c : kCases) {
        HttpAnswer whole(kCap);
        whole.Feed(c.bytes);
        Check(c, whole, ", at once");
        HttpAnswer dripped(kCap);
        for (const char byte : c.bytes) dripped.Feed(std::string_view(&byte, 1));
        Check(c, dripped, ", byte by byte");
    }
}

TEST(HttpAnswer, EndedAnswerTakesNoMore) {
    HttpAnswer answer(kCap);
    EXPECT_EQ(answer.Feed(kOk + "Content-Length: 1\r\n\r\nab"), State::Complete);
    EXPECT_EQ(answer.Feed("more"), State::Complete);
    EXPECT_EQ(answer.End(), State::Complete);
    EXPECT_EQ(answer.Body(), "a");
}

TEST(HttpAnswer, RequestAsksToCloseAfterTheAnswer) {
    EXPECT_EQ(HttpRequestText("127.0.0.1:8080", "/whatnews.txt?a=1", "Agent/1"),
              "GET /whatnews.txt?a=1 HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nUser-Agent: Agent/1\r\nAccept: */*\r\n"
              "Connection: close\r\n\r\n");
    EXPECT_EQ(HttpRequestText("h", "", "A").substr(0, 15), "GET / HTTP/1.1\r");
}

} // namespace
} // namespace mcb
