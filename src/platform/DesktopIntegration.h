// The ".cbf" file association on a Linux desktop: a desktop entry that opens catalogues with this
// program and a MIME type for "*.cbf" files, both in the user's XDG data folder.
#pragma once

#include <string>

namespace mcb {

// $XDG_DATA_HOME, by default ~/.local/share; empty when neither it nor HOME is known.
std::string DataHome();

// Writes the desktop entry and the MIME package when they are missing or differ from what this
// executable needs. Failures are ignored. Returns true when a file was written, so that the caller can
// refresh the desktop's MIME database.
bool RegisterCatalogueType(const std::string& executablePath, const std::string& dataHome);

// The contents written, for tests and for comparison.
std::string DesktopEntryText(const std::string& executablePath);
std::string MimePackageText();

} // namespace mcb
