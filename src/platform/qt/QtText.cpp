#include "platform/qt/QtText.h"

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

QString UnstorableCharacters(const QString& text) {
    const auto result = Cp1251FromUtf8(text.toStdString());
    QStringList chars;
    for (char32_t c : result.unstorable) chars << QString::fromStdString(Utf8FromCodePoint(c));
    return chars.join(' ');
}

QString PathToQ(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQ(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace mcb
