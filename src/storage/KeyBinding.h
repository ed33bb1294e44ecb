// Binds the keys of a settings section to the fields of a record, so that one list gives both the
// reading (with the field's current value as default) and the writing in the section's key order.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace mcb {

class TIniFile;

struct KeyBinding {
    std::string key;
    std::variant<bool*, int*, std::string*> field;
};

void ReadKeys(const TIniFile& ini, const std::string& section, const std::vector<KeyBinding>& keys);
void WriteKeys(TIniFile& ini, const std::string& section, const std::vector<KeyBinding>& keys);

// The text WriteKeys writes for the field.
std::string KeyText(const KeyBinding& binding);

} // namespace mcb
