#include "storage/KeyBinding.h"

#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

void ReadKeys(const TIniFile& ini, const std::string& section, const std::vector<KeyBinding>& keys) {
    // A named reference rather than a structured binding: Clang before 16 cannot capture those in lambdas.
    for (const KeyBinding& binding : keys) {
        const std::string& key = binding.key;
        std::visit(Overloaded{[&](bool* v) { *v = ini.ReadBool(section, key, *v); },
                              [&](int* v) { *v = ini.ReadInteger(section, key, *v); },
                              [&](std::string* v) { *v = ini.ReadString(section, key, *v); }},
                   binding.field);
    }
}

void WriteKeys(TIniFile& ini, const std::string& section, const std::vector<KeyBinding>& keys) {
    for (const KeyBinding& binding : keys) ini.WriteString(section, binding.key, KeyText(binding));
}

std::string KeyText(const KeyBinding& binding) {
    return std::visit(Overloaded{[](bool* v) { return std::string(*v ? "1" : "0"); },
                                 [](int* v) { return std::to_string(*v); }, [](std::string* v) { return *v; }},
                      binding.field);
}

} // namespace mcb
