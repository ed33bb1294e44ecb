// A catalogue file in a temporary folder with the services the disc editor and the disc commands
// need: a fixed date, scripted prompts and list picks, and the journal beside the catalogue.
#pragma once

#include "discs/Journal.h"
#include "discs/ScriptedPicker.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace mcb::test {

class DiscsTest : public ::testing::Test {
protected:
    // Starts from the given catalogue text, UTF-8 in the test, stored as Windows-1251 with CR LF.
    void OpenCatalogue(const std::string& lines);
    // A fresh engine over the file as it is on disk now.
    std::unique_ptr<TIniFile> Reread() const { return std::make_unique<TIniFile>(CataloguePath()); }
    std::string OnDisk(const std::string& section, const std::string& key) const {
        return Reread()->ReadString(section, key, "<none>");
    }
    std::string CataloguePath() const { return dir.File("base.cbf"); }
    std::string BaseDir() const { return dir.Path() + "/"; }
    std::string JournalText() const { return TempDir::Read(dir.File("base.log")); }
    JournalContext Journal() const { return {dir.File("base.log"), setup, clock, dates, CataloguePath()}; }

    TempDir dir;
    FixedClock clock{46364};
    FixedDateFormat dates;
    ScriptedPrompts prompts;
    ScriptedPicker picker;
    SetupSettings setup;
    std::unique_ptr<TIniFile> catalogue;
};

} // namespace mcb::test
