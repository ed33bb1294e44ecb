// The input line every window asks through: what comes back can always be stored in Windows-1251.
#include "storage/Literal.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

namespace mcb::test {
namespace {

TEST(InputLine, RefusesWhatCannotBeStoredUntilCorrectedOrCancelled) {
    ScriptedPrompts prompts;
    prompts.ExpectTyped("Łódź");
    prompts.ExpectTyped("Łodz");
    prompts.ExpectTyped("Лодзь");
    EXPECT_EQ(prompts.InputLine(W("Контакты"), W("Введите"), W("Мюллер")), W("Лодзь"));
    EXPECT_EQ(prompts.typedInitials, (std::vector<std::string>{"Мюллер", "Łódź", "Łodz"}));
    const auto refusal = [](const char* chars) {
        return std::string("unstorable: Символы «") + chars + "» нельзя сохранить в базе. Исправьте текст.";
    };
    EXPECT_EQ(prompts.asked,
              (std::vector<std::string>{W("input: Контакты / Введите"), refusal("Ł ó ź"),
                                        W("input: Контакты / Введите"), refusal("Ł"), W("input: Контакты / Введите")}));

    prompts.ExpectTyped("Łódź");
    prompts.ExpectText(std::nullopt);
    EXPECT_EQ(prompts.InputLine("c", "p", ""), std::nullopt);
    EXPECT_TRUE(prompts.Exhausted());
}

} // namespace
} // namespace mcb::test
