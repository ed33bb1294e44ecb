#include "catalogue/DiscValues.h"

#include <gtest/gtest.h>
#include <string>

namespace mcb {
namespace {

// Views of a disc whose title is `nam` and genre `gen`, the other values left at their defaults.
DiscViews With(std::string_view nam, std::string_view gen) {
    DiscViews views;
    views.Nam = nam;
    views.Gen = gen;
    return views;
}

void ExpectSame(const DiscViews& a, const DiscViews& b, const char* name) {
    for (auto field : {&DiscViews::Nam, &DiscViews::Nam2, &DiscViews::Gen, &DiscViews::Aud, &DiscViews::Rol,
                       &DiscViews::Cou, &DiscViews::Lon, &DiscViews::Car, &DiscViews::Ent, &DiscViews::Giv,
                       &DiscViews::Gin, &DiscViews::Comp, &DiscViews::Dir, &DiscViews::Year, &DiscViews::Oth})
        EXPECT_EQ(a.*field, b.*field) << name;
}

TEST(PackedDiscViews, GivesBackTheViewsOrRefusesValuesOutsideTheText) {
    // The file text is all but the last bytes of the buffer, so that a view may run past its end.
    const std::string buffer = "Nam=Alien\r\nGen=\r\nGen=-1\r\nNam=tail+more";
    const std::string_view file = std::string_view(buffer).substr(0, buffer.size() - 5);
    const std::string elsewhere = "Alien";
    const struct {
        const char* name;
        DiscViews views;
        bool packs;
    } cases[] = {
        {"values in the text", With(file.substr(4, 5), file.substr(20, 2)), true},
        {"an empty value in the file is not its default", With(file.substr(4, 5), file.substr(15, 0)), true},
        {"defaults stay defaults", DiscViews{}, true},
        {"a value at the very end of the text", With(file.substr(file.size() - 4), "-1"), true},
        {"a default text that lies elsewhere is still the default", With("", std::string_view("-1")), true},
        {"a changed value outside the text", With(elsewhere, "-1"), false},
        {"a value running past the end", With(std::string_view(file.data() + file.size() - 2, 4), "-1"), false},
        {"a value that is not the default, outside the text", With("x", "7"), false},
    };
    for (const auto& c : cases) {
        const auto packed = PackedDiscViews::Pack(c.views, file);
        ASSERT_EQ(packed.has_value(), c.packs) << c.name;
        if (packed) ExpectSame(packed->Unpack(file), c.views, c.name);
    }
}

} // namespace
} // namespace mcb
