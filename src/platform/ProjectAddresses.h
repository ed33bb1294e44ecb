// The project's own addresses: where users write to and where the program looks for new versions.
// The ".example" names are placeholders until the project has its own domain; a mirror of the news
// file can be named at run time (see UpdateSite).
#pragma once

namespace mcb {

inline constexpr const char* kProjectEmail = "cdbase@mirvane.example";
inline constexpr const char* kProjectSite = "https://mirvane.example";

} // namespace mcb
