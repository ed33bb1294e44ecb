// The backup copy made at start-up: the catalogue's bytes under its name with ".bak".
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// Writes the bytes read from the catalogue as its backup copy, crash-safely, as private as the
// catalogue and never through a link in the copy's place. The backup is the last good copy: bytes
// holding no section never replace a backup that holds something (true, nothing written). False
// when the copy could not be written.
bool WriteBackupCopy(const std::string& catalogue, std::string_view bytes);

} // namespace mcb
