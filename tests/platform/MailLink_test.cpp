#include "platform/MailLink.h"
#include "storage/Literal.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>
#include <map>

namespace mcb {
namespace {

// The fields of a link as a mail program splits it: at the first "?", then at every "&", then at
// the first "=", each part percent-decoded.
struct SplitLink {
    std::string address;
    std::multimap<std::string, std::string> fields;
    bool wellFormed = true;
};

std::string Decoded(std::string_view text, bool& wellFormed) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || !isxdigit(text[i + 1]) || !isxdigit(text[i + 2])) {
            wellFormed = false;
            return out;
        }
        out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
        i += 2;
    }
    return out;
}

SplitLink Split(const std::string& link) {
    SplitLink split;
    EXPECT_EQ(link.rfind("mailto:", 0), 0u) << link;
    const std::string rest = link.substr(7);
    const size_t query = rest.find('?');
    split.address = Decoded(rest.substr(0, query), split.wellFormed);
    if (query == std::string::npos) return split;
    std::string_view fields(rest);
    fields.remove_prefix(query + 1);
    while (!fields.empty()) {
        const std::string_view field = fields.substr(0, fields.find('&'));
        const size_t eq = field.find('=');
        split.fields.emplace(field.substr(0, eq), Decoded(field.substr(eq + 1), split.wellFormed));
        fields.remove_prefix(std::min(fields.size(), field.size() + 1));
    }
    return split;
}

bool OnlyUriCharacters(const std::string& link) {
    for (unsigned char c : link)
        if (c <= 0x20 || c >= 0x7F || c == '#' || c == '"' || c == '<' || c == '>') return false;
    return true;
}

TEST(MailLink, HostileTextsStayInsideTheirTwoFields) {
    const std::string hostile[] = {"&attach=/etc/passwd",
                                   "?bcc=spy@evil.org",
                                   "#fragment",
                                   "%41%0D%0Abcc: x@y",
                                   "line\r\nbcc: x@y",
                                   "quotes \"a\" 'b' <c>",
                                   W("Сегодня & завтра ~-._ +,;=")};
    for (const std::string& text : hostile) {
        const auto link = MailLink({"ivan@example.org", text, text + "\r\nend"});
        ASSERT_TRUE(link) << text;
        EXPECT_TRUE(OnlyUriCharacters(*link)) << *link;
        const SplitLink split = Split(*link);
        EXPECT_TRUE(split.wellFormed) << *link;
        EXPECT_EQ(split.address, "ivan@example.org");
        ASSERT_EQ(split.fields.size(), 2u) << *link;
        const std::string flat = Utf8FromCp1251(text);
        std::string subject = flat;
        for (char& c : subject)
            if (c == '\r' || c == '\n') c = ' ';
        EXPECT_EQ(split.fields.find("subject")->second, subject) << "subject lines are joined";
        EXPECT_EQ(split.fields.find("body")->second, flat + "\r\nend");
    }
}

TEST(MailLink, EncodesUtf8AndLineBreaksAsTheStandardSays) {
    struct Case {
        MailDraft draft;
        std::string link;
    } cases[] = {
        {{"a@b.ru", W("Долг"), "x y\nz\rw\r\n"},
         "mailto:a@b.ru?subject=%D0%94%D0%BE%D0%BB%D0%B3&body=x%20y%0D%0Az%0D%0Aw%0D%0A"},
        {{"a@b.ru", "MirvaneBase ver.1.8.1", ""}, "mailto:a@b.ru?subject=MirvaneBase%20ver.1.8.1"},
        {{"a@b.ru", "", "tab\there\x01"}, "mailto:a@b.ru?body=tab%09here%20"},
        {{"a@b.ru", "t\tab", ""}, "mailto:a@b.ru?subject=t%20ab"},
        {{W("почта@пример.рф"), "", ""},
         "mailto:%D0%BF%D0%BE%D1%87%D1%82%D0%B0@%D0%BF%D1%80%D0%B8%D0%BC%D0%B5%D1%80."
         "%D1%80%D1%84"},
        {{"x+tag/1%z@host", "", ""}, "mailto:x%2Btag%2F1%25z@host"},
        {{"o'b&r?i#n@host", "s", ""}, "mailto:o%27b%26r%3Fi%23n@host?subject=s"},
    };
    for (const Case& c : cases) EXPECT_EQ(MailLink(c.draft).value_or("refused"), c.link);
}

TEST(MailLink, OnlyPlainAddressesAreAccepted) {
    const std::string accepted[] = {
        "ivan@example.org",   "a.b-c_d+e@mail.ru",  "x@localhost",       W("Иван@почта.рф"),
        "o'brien@example.ie", "ivan&x@example.org", "what?@example.org", "!#$%&'*+-/=?^_`{|}~@example.org"};
    for (const std::string& address : accepted) EXPECT_TRUE(IsPlainMailAddress(address)) << address;
    const std::string refused[] = {"",
                                   "ivan",
                                   "@example.org",
                                   "ivan@",
                                   "iv an@example.org",
                                   " ivan@example.org",
                                   "ivan@example.org?cc=spy@evil.org",
                                   "ivan@example.org&bcc=spy@evil.org",
                                   "a,b@example.org",
                                   "a;b@example.org",
                                   "Ivan <ivan@example.org>",
                                   "\"ivan\"@example.org",
                                   "a@b@example.org",
                                   "ivan@example.org\r\nbcc: x",
                                   ".ivan@example.org",
                                   "ivan.@example.org",
                                   "iv..an@example.org",
                                   "ivan@example..org",
                                   "ivan@exa_mple.org",
                                   "ivan@example.org#x",
                                   std::string(65, 'a') + "@b.org",
                                   "a@" + std::string(253, 'b')};
    for (const std::string& address : refused) {
        EXPECT_FALSE(IsPlainMailAddress(address)) << address;
        EXPECT_FALSE(MailLink({address, "s", "b"})) << address;
    }
}

TEST(MailLink, LongLetterIsCutAtAWholeCharacter) {
    const std::string zhe = W("ж");
    std::string zhes;
    for (int i = 0; i < 1000; ++i) zhes += zhe;
    for (size_t extra = 0; extra < 6; ++extra) {
        const std::string longBody =
            std::string(extra, 'z') + std::string(2000, 'x') + zhe + std::string(3000, 'y') + zhes;
        const auto link = MailLink({"a@b.c", "s", longBody});
        ASSERT_TRUE(link);
        EXPECT_LE(link->size(), kMailLinkCap);
        EXPECT_GT(link->size(), kMailLinkCap - 6) << "the cut wastes less than one encoded character";
        const SplitLink split = Split(*link);
        EXPECT_TRUE(split.wellFormed);
        const std::string& decoded = split.fields.find("body")->second;
        EXPECT_EQ(decoded, Utf8FromCp1251(longBody).substr(0, decoded.size())) << "a prefix of whole characters";
    }
}

} // namespace
} // namespace mcb
