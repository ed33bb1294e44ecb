#include "platform/qt/QtText.h"

#include "platform/Services.h"
#include "platform/ShownText.h"
#include "storage/TextCodec.h"

#include <QFile>

namespace mcb {

QString ToQ(const std::string& cp1251) {
    return QString::fromStdString(Utf8FromCp1251(cp1251));
}

QString ToQ(const UserText& text) {
    return QString::fromStdString(text.Utf8());
}

std::string FromQ(const QString& text) {
    return Cp1251FromUtf8(text.toStdString()).text;
}

std::optional<std::string> StorableFromQ(const QString& typed, Prompts& prompts, StoreTarget target) {
    StorableText text = CheckStorable(typed.toStdString());
    if (text.Ok()) return std::move(text.text);
    prompts.WarnUnstorable(UnstorableMessage(target, text.unstorable));
    return std::nullopt;
}

QString ToShownQ(const std::string& cp1251, std::size_t lineChars, std::size_t totalChars) {
    return ToQ(ShownText(cp1251, lineChars, totalChars).text);
}

QString ShownQ(const QString& text, std::size_t lineChars, std::size_t totalChars) {
    if (std::size_t(text.size()) <= std::min(lineChars, totalChars)) return text;
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    const std::u16string shown = ShownTextOf<char16_t>(utf16, lineChars, totalChars).text;
    return QString::fromUtf16(shown.data(), qsizetype(shown.size()));
}

QString PathToQ(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQ(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace mcb
