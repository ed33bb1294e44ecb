#include "storage/NameTable.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace mcb {
namespace {

// Hashes crowded onto few home slots give long probe runs that wrap around the end of the table,
// which is where removal by shifting entries back can go wrong; equal tags make the comparison of
// the numbers decide.
TEST(NameTable, EntriesStayFindableThroughInsertsAndRemovals) {
    // Tags of 0xFFFFF are at home in the last slot of every table this size; steps of 2^52 leave the
    // tag's low bits alone.
    for (const std::uint64_t spread : {1ull, 4ull, 1ull << 52}) {
        NameTable table;
        std::map<std::uint32_t, std::uint64_t> live; // number -> hash
        std::mt19937 random(3);
        const auto find = [&](std::uint64_t hash, std::uint32_t number) {
            return table.Find(hash, [&](std::uint32_t stored) { return stored == number; });
        };
        for (std::uint32_t number = 0; number < 3000; ++number) {
            const std::uint64_t hash = (random() % 8) * spread + (number % 3 == 0 ? 0xFFFFFull : 0);
            table.Insert(hash, number);
            live[number] = hash;
            if (live.size() > 12 || random() % 3 == 0) { // a small table wraps around all the time
                auto victim = live.begin();
                std::advance(victim, random() % live.size());
                std::uint32_t* entry = find(victim->second, victim->first);
                ASSERT_NE(entry, nullptr);
                table.Remove(entry);
                EXPECT_EQ(find(victim->second, victim->first), nullptr);
                live.erase(victim);
            }
        }
        for (const auto& [number, hash] : live) {
            std::uint32_t* entry = find(hash, number);
            ASSERT_NE(entry, nullptr) << "spread " << spread << " number " << number;
            *entry = number + 100000; // numbers may be changed in place
            EXPECT_NE(find(hash, number + 100000), nullptr);
        }
    }
}

} // namespace
} // namespace mcb
