#include "storage/Literal.h"
#include "storage/Storable.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(Storable, NamesEachCharacterTheCodePageCannotHoldOnce) {
    const struct {
        const char* typed;
        const char* unstorable;
    } cases[] = {
        {"Мюллер №5 «ок» ё Ё", ""},
        {"plain ASCII\r\n", ""},
        {"Müller", "ü"},
        {"Łódź", "Ł ó ź"},
        {"😀 и 😀", "😀"},
        {"bad \xff byte", "\xEF\xBF\xBD"}, // an invalid sequence is U+FFFD
        {"", ""},
    };
    for (const auto& c : cases) {
        const StorableText text = CheckStorable(c.typed);
        EXPECT_EQ(text.unstorable, c.unstorable) << c.typed;
        EXPECT_EQ(text.Ok(), *c.unstorable == 0) << c.typed;
        if (text.Ok()) {
            EXPECT_EQ(text.text, W(c.typed)) << c.typed;
        }
    }
}

TEST(Storable, MessagesNameTheCharactersForEachPlace) {
    EXPECT_EQ(UnstorableMessage(StoreTarget::Catalogue, "Ł ó ź"),
              "Символы «Ł ó ź» нельзя сохранить в базе. Исправьте текст.");
    EXPECT_EQ(UnstorableMessage(StoreTarget::Journal, "☃"), "Символы «☃» нельзя сохранить в журнале. Исправьте текст.");
    EXPECT_EQ(UnstorableMessage(StoreTarget::PicturePath, "é"),
              "Путь к картинке содержит символы «é», которые нельзя сохранить в базе. Переименуйте файл или папку.");
}

} // namespace
} // namespace mcb
