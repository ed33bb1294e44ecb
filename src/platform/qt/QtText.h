// Text at the screen boundary: Windows-1251 texts of the program to and from QString.
#pragma once

#include "storage/Storable.h"
#include "storage/UserText.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace mcb {

class Prompts;

QString ToQ(const std::string& cp1251);
QString ToQ(const UserText& text);
// Characters that Windows-1251 cannot hold become '?': for texts the program made itself. Text the
// user typed goes through StorableFromQ.
std::string FromQ(const QString& text);
// The Windows-1251 form of a text the user typed; nothing when it holds characters the code page
// cannot, after the prompts' warning has named them (the caller keeps the input as typed).
std::optional<std::string> StorableFromQ(const QString& typed, Prompts& prompts, StoreTarget target);

// A stored text, or one made of stored texts, as a window shows it: long lines and long texts are
// cut for the screen only (platform/ShownText.h).
QString ToShownQ(const std::string& cp1251, std::size_t lineChars, std::size_t totalChars);
QString ShownQ(const QString& text, std::size_t lineChars, std::size_t totalChars);

// Native file paths (UTF-8 on Linux).
QString PathToQ(const std::string& path);
std::string PathFromQ(const QString& path);

} // namespace mcb
