#include "gen/Generator.h"

#include "gen/Vocabulary.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

namespace mcb::gen {

namespace {

// Raw mt19937 output reduced by modulo: unlike the standard distributions it gives the same
// numbers with every standard library.
class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

private:
    std::mt19937 engine_;
};

class TextWriter {
public:
    explicit TextWriter(std::string& out) : out_(out) {}
    void Section(const std::string& name) {
        if (open_) out_ += "\r\n";
        out_ += "[" + name + "]\r\n";
        open_ = true;
    }
    void Key(const std::string& key, const std::string& value) { out_ += key + "=" + value + "\r\n"; }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    void Finish() {
        if (open_) out_ += "\r\n";
    }

private:
    std::string& out_;
    bool open_ = false;
};

std::string Phrase(Random& rng, const std::vector<std::string>& words, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + rng.Pick(words);
    return text;
}

// Few words from a small stock, so titles repeat and sorting meets ties.
std::string Title(Random& rng) {
    const auto& words = rng.Chance(70) ? Words().russianWords : Words().latinWords;
    std::string title = Phrase(rng, words, rng.Between(1, 4));
    title[0] = UpperChar(title[0]);
    return title;
}

int IndexOrNone(Random& rng, const std::vector<std::string>& list, int percent) {
    return rng.Chance(percent) ? rng.Below(static_cast<int>(list.size())) : -1;
}

std::string Actors(Random& rng) {
    std::string text;
    for (int i = rng.Between(0, 3); i > 0; --i) text += (text.empty() ? "" : ", ") + rng.Pick(Words().people);
    return text;
}

std::vector<std::string> Description(Random& rng) {
    static const std::vector<int> lineCounts{0, 0, 0, 1, 1, 2, 3, 6};
    const int lines = rng.Pick(lineCounts);
    std::vector<std::string> result;
    for (int i = 1; i <= lines; ++i)
        result.push_back(Phrase(rng, Words().russianWords, rng.Between(i < lines ? 0 : 1, 8)));
    return result;
}

void WriteList(TextWriter& w, const char* section, const std::vector<std::string>& names, bool contacts) {
    w.Section(section);
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const std::string index = std::to_string(i);
        w.Key(index, names[i]);
        if (!contacts) continue;
        w.Key(index + "_mail", i % 4 == 3 ? "" : "user" + index + "@example.org");
        char phone[32];
        std::snprintf(phone, sizeof phone, "+7 900 000-00-%02d", i);
        w.Key(index + "_phone", phone);
    }
}

void WriteCommonAndLists(TextWriter& w, int discs) {
    const Vocabulary& v = Words();
    w.Section("Common");
    w.Key("LastCDID", DiscIdText(discs));
    w.Key("Genres", static_cast<int>(v.genres.size()) - 1);
    w.Key("Countries", static_cast<int>(v.countries.size()) - 1);
    w.Key("Company", static_cast<int>(v.companies.size()) - 1);
    w.Key("Contacts", static_cast<int>(v.people.size()) - 1);
    WriteList(w, "Genres", v.genres, false);
    WriteList(w, "Countries", v.countries, false);
    WriteList(w, "Company", v.companies, false);
    WriteList(w, "Contacts", v.people, true);
}

// Every key of a disc, in the order the disc editor creates them.
void WriteDisc(TextWriter& w, Random& rng, int n, int today) {
    static const std::vector<int> durations{0, 85, 90, 95, 100, 120, 135, 180};
    const Vocabulary& v = Words();
    const bool lent = rng.Chance(10);
    w.Section(DiscIdText(n));
    w.Key("Nam", Title(rng));
    w.Key("Nam2", rng.Chance(30) ? Title(rng) : "");
    w.Key("Gen", IndexOrNone(rng, v.genres, 90));
    w.Key("Aud", rng.Between(-1, 3));
    w.Key("Rol", Actors(rng));
    w.Key("Cou", IndexOrNone(rng, v.countries, 90));
    w.Key("Lon", rng.Pick(durations));
    w.Key("Car", rng.Chance(90) ? PackCarrier(rng.Below(6), rng.Between(1, 3)) : PackCarrier(-1, 0));
    const int age = rng.Between(0, 3000);
    w.Key("Ent", today - age);
    w.Key("Giv", lent ? today - rng.Between(0, std::min(age, 60)) : 0); // lent after it was entered
    w.Key("Gin", lent ? rng.Below(static_cast<int>(v.people.size())) : -1);
    const auto lines = Description(rng);
    w.Key("Lin", static_cast<int>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) w.Key("Li" + std::to_string(i + 1), lines[i]);
    w.Key("Img1", "\"\"");
    w.Key("Img2", "\"\"");
    w.Key("Oth", IndexOrNone(rng, v.people, 5));
    w.Key("Comp", IndexOrNone(rng, v.companies, 80));
    w.Key("Dir", rng.Chance(70) ? rng.Pick(v.people) : "");
    w.Key("Year", rng.Chance(85) ? std::to_string(rng.Between(1950, 2026)) : "");
}

} // namespace

std::string GenerateCatalogueText(const Options& options) {
    std::string text = CatalogueFileHeader();
    text.reserve(static_cast<size_t>(options.discs > 0 ? options.discs : 0) * 300 + 2048);
    TextWriter w(text);
    Random rng(options.seed);
    WriteCommonAndLists(w, options.discs);
    for (int n = 1; n <= options.discs; ++n) WriteDisc(w, rng, n, options.today);
    w.Finish();
    return text;
}

bool WriteCatalogueFile(const Options& options, const std::string& path) {
    const std::string text = GenerateCatalogueText(options);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    return std::fclose(file.release()) == 0 && written;
}

} // namespace mcb::gen
