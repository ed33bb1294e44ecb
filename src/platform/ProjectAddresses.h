// The project's own addresses: where users write to and its home page. The ".example" names are
// placeholders until the project has its own domain; the update check's site is a build setting
// (update/UpdateSite.h).
#pragma once

namespace mcb {

inline constexpr const char* kProjectEmail = "cdbase@mirvane.example";
inline constexpr const char* kProjectSite = "https://mirvane.example";

} // namespace mcb
