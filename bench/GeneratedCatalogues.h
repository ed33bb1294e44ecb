// A scratch folder of generated catalogues for the benchmarks; it also serves as the settings
// directory, so that no run touches the user's own. Catalogues are made once per size and removed
// with the folder at exit.
#pragma once

#include "gen/Generator.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace mcb::bench {

class GeneratedCatalogues {
public:
    explicit GeneratedCatalogues(int today) : today_(today) {
        std::string pattern = (std::filesystem::temp_directory_path() / "mcb-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~GeneratedCatalogues() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    GeneratedCatalogues(const GeneratedCatalogues&) = delete;
    GeneratedCatalogues& operator=(const GeneratedCatalogues&) = delete;

    // The folder, for other files of a benchmark.
    const std::string& Dir() const { return dir_; }

    // The path of a catalogue of that many discs (seed 1).
    std::string Catalogue(int discs) const {
        const std::string path = dir_ + "/gen" + std::to_string(discs) + ".cbf";
        if (!std::filesystem::exists(path)) gen::WriteCatalogueFile({discs, 1, today_}, path);
        return path;
    }

private:
    std::string dir_;
    int today_;
};

} // namespace mcb::bench
