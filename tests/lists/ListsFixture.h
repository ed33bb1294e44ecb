// A catalogue file in a temporary folder, opened by the key/value engine, for the reference-list
// tests. Texts are given and compared in UTF-8 and stored in Windows-1251.
#pragma once

#include "lists/DictRows.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/TextCodec.h"
#include "support/TempDir.h"

#include <memory>
#include <string>
#include <vector>

namespace mcb::test {

inline std::string U(const std::string& cp1251) {
    return Utf8FromCp1251(cp1251);
}

class CatalogueFixture {
public:
    explicit CatalogueFixture(const std::string& utf8Text, const std::string& name = "base.cbf")
        : path(dir.File(name)) {
        dir.Write(name, W(utf8Text));
        ini = std::make_unique<TIniFile>(path);
    }

    // A second catalogue file in the same folder.
    std::string WriteOther(const std::string& name, const std::string& utf8Text) const {
        dir.Write(name, W(utf8Text));
        return dir.File(name);
    }

    // What a fresh instance reads from the file on disk.
    std::string Stored(const std::string& section, const std::string& key) const {
        const TIniFile fresh(path);
        return U(fresh.ReadString(section, key, "<none>"));
    }

    TempDir dir;
    std::string path;
    std::unique_ptr<TIniFile> ini;
};

inline std::vector<std::string> Names(const std::vector<DictRow>& rows) {
    std::vector<std::string> names;
    for (const DictRow& row : rows) names.push_back(U(row.name));
    return names;
}

inline std::vector<int> Indices(const std::vector<DictRow>& rows) {
    std::vector<int> indices;
    for (const DictRow& row : rows) indices.push_back(row.index);
    return indices;
}

} // namespace mcb::test
