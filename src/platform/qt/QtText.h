// Text at the screen boundary: Windows-1251 texts of the program to and from QString.
#pragma once

#include "storage/UserText.h"

#include <QString>
#include <string>

namespace mcb {

QString ToQ(const std::string& cp1251);
QString ToQ(const UserText& text);
// Characters that Windows-1251 cannot hold become '?'; callers that must not lose them check first
// with UnstorableCharacters.
std::string FromQ(const QString& text);
// The characters of the text that Windows-1251 cannot hold, each once, joined by blanks; empty when all fit.
QString UnstorableCharacters(const QString& text);

// Native file paths (UTF-8 on Linux).
QString PathToQ(const std::string& path);
std::string PathFromQ(const QString& path);

} // namespace mcb
