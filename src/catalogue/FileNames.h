// File names around the open catalogue: its journal and backup beside it, and the conversion between
// native paths and the Windows-1251 texts stored in the settings file.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// The path with its extension replaced (or added when it has none); ext includes the dot.
std::string WithExtension(const std::string& path, const std::string& ext);

// The chosen name, or with `ext` (with its dot) added when it has no extension or ends in a lone ".".
std::string WithDefaultExtension(const std::string& chosen, const std::string& ext);

// The name under which "Сохранить как ..." and "Новая база" create a catalogue: the chosen name, or
// with ".cbf" added when it has no extension or ends in a lone ".".
std::string WithCatalogueExtension(const std::string& chosen);

std::string AbsolutePath(const std::string& path);

// A stored Windows-1251 text of a path and back.
std::string PathFromText(const std::string& cp1251);
std::string PathToText(const std::string& path);

struct Settings;

// The catalogue open at the last close. "BaseName" holds its path as Windows-1251 text, as every
// version has written it; a path that Windows-1251 cannot hold is also kept, percent-encoded, in
// "BaseNameUtf8", which is used as long as "BaseName" still names the same path (a version that
// knows only "BaseName" may have changed it since).
std::string RememberedCatalogue(const Settings& settings);
void RememberCatalogue(Settings& settings, const std::string& path);

// True when the content holds at least one section line ("[name]").
bool HoldsSections(std::string_view content);

} // namespace mcb
