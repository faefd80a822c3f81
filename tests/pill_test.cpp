// Unit tests of the failure pill beyond the table of cases (tests/cases.tsv, which
// orv_pill_cases runs): the pill's equality, calls from several threads at once, and the heap
// allocations of each path. This program replaces the global allocation functions to count them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "orv/pill.h"

namespace {

// Written by every allocation on every thread.
std::atomic<long> allocations{0};  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
// The number of the allocation that fails, as if memory had run out; 0 for none.
std::atomic<long> failing{0};  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

// The replacements must get memory without operator new, so they use malloc and free.
void* operator new(std::size_t size) {
    if (allocations.fetch_add(1, std::memory_order_relaxed) + 1 == failing.load()) {
        throw std::bad_alloc();
    }
    // NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void operator delete(void* block) noexcept { std::free(block); }

// NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void operator delete(void* block, std::size_t /*size*/) noexcept { std::free(block); }

namespace orv {

// Lets GoogleTest show a pill in full when an expectation on it fails.
void PrintTo(const FailPill& pill, std::ostream* out) {
    *out << "{kind " << static_cast<int>(pill.kind) << ", message \"" << pill.message
         << "\", actionLabel \"" << pill.actionLabel << "\", deepLink \"" << pill.deepLink
         << "\", dismissable " << pill.dismissable << ", reserved " << pill.reserved << "}";
}

}  // namespace orv

namespace {

using orv::FailKind;
using orv::FailPill;

// A pill without an action is still a pill, and equality sees every member.
TEST(FailPillTest, EqualityComparesEveryMember) {
    const FailPill base{FailKind::MicPermission,
                        "Mic access blocked",
                        "Open Windows mic settings",
                        "ms-settings:privacy-microphone",
                        true,
                        false};
    std::vector<FailPill> changed(6, base);
    changed[0].kind = FailKind::Generic;
    changed[1].message += ".";
    changed[2].actionLabel.clear();
    changed[3].deepLink += " ";
    changed[4].dismissable = false;
    changed[5].reserved = true;
    EXPECT_TRUE(base == FailPill(base) && !(base != FailPill(base)));
    for (std::size_t i = 0; i < changed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(changed[i] != base && !(changed[i] == base));
    }
}

// The status display may ask from any thread: concurrent calls share nothing and each gets its
// own full pill. Run under ThreadSanitizer, this shows the selection is free of data races.
TEST(SelectFailPillTest, GivesEachOfSeveralThreadsItsOwnResult) {
    constexpr int kThreads = 4;
    const std::string longError(64, 'c');
    const struct {
        bool loaded;
        const char* micState;
        std::optional<std::string> error;
        std::optional<FailKind> kind;
    } rows[] = {
        {false, "active", std::nullopt, FailKind::DriverNotLoaded},
        {true, "permission_denied", std::nullopt, FailKind::MicPermission},
        {true, "missing", std::nullopt, FailKind::DeviceRemoved},
        {true, "active", longError, FailKind::Generic},
        {true, "active", std::nullopt, std::nullopt},
    };
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&rows, &mismatches, &longError, t] {
            for (int round = 0; round < 200; ++round) {
                for (const auto& row : rows) {
                    orv::DriverStatus driver;
                    driver.loaded = row.loaded;
                    const orv::CaptureStatus capture{"idle", row.error, row.micState};
                    const std::optional<FailPill> pill = orv::selectFailPill(driver, capture, true);
                    const bool right =
                        pill ? row.kind == pill->kind &&
                                   (pill->kind != FailKind::Generic || pill->message == longError)
                             : !row.kind;
                    mismatches[static_cast<std::size_t>(t)] += right ? 0 : 1;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

// The selection is inline, so it is called through a pointer the compiler cannot see through: it
// can then neither elide what the call allocates nor merge it with the caller's.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): volatile on purpose
std::optional<FailPill> (*volatile opaqueSelect)(const orv::DriverStatus&,
                                                 const orv::CaptureStatus&,
                                                 bool) = orv::selectFailPill;

// Skips each test where this program cannot count the selection's allocations as a release build
// makes them, saying why. The preprocessor chooses, so that no build compiles a dead branch.
class AllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
#if defined(_ITERATOR_DEBUG_LEVEL) && _ITERATOR_DEBUG_LEVEL > 0
        GTEST_SKIP() << "iterator debugging gives each std::string an allocation of its own";
#endif
    }
};

// Each path makes one allocation for each text longer than a string keeps inline, and nothing
// more (a temporary or a copy). Several pills need more than zero, so a counter that missed the
// allocations of std::string would fail here too. Whichever of those allocations fails,
// std::bad_alloc reaches the caller (the sanitizer builds show that nothing leaks); with memory,
// the same call then gives the same pill.
TEST_F(AllocationTest, EachPathAllocatesOnlyWhatItsTextsNeedAndPassesOnEachFailure) {
    const struct {
        const char* name;
        bool loaded;
        bool steamVrRunning;
        const char* micState;
        std::optional<std::string> error;
        bool expectPill;
    } paths[] = {
        {"no pill: working microphone", true, true, "active", std::nullopt, false},
        {"no pill: right length, other bytes", true, true, "permission_deniex", std::nullopt,
         false},
        {"no pill: empty error", true, true, "active", std::string(), false},
        {"no pill: SteamVR not running, driver loaded", true, false, "", std::nullopt, false},
        {"DriverNotLoaded", false, true, "active", std::nullopt, true},
        {"SteamVRNotRunning", false, false, "active", std::nullopt, true},
        {"MicPermission", true, true, "permission_denied", std::nullopt, true},
        {"DeviceRemoved", true, true, "missing", std::nullopt, true},
        {"Generic, short message", true, true, "active", std::string("busy"), true},
        {"Generic, long message", true, true, "active", std::string(300, 'x'), true},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        // Built before any counting starts.
        orv::DriverStatus driver;
        driver.loaded = path.loaded;
        const orv::CaptureStatus capture{"idle", path.error, path.micState};

        const long before = allocations.load();
        const std::optional<FailPill> pill = opaqueSelect(driver, capture, path.steamVrRunning);
        const long made = allocations.load() - before;
        ASSERT_EQ(pill.has_value(), path.expectPill);
        long needed = 0;
        if (pill) {
            for (const std::string* text : {&pill->message, &pill->actionLabel, &pill->deepLink}) {
                needed += text->size() > std::string().capacity() ? 1 : 0;
            }
        }
        EXPECT_EQ(made, needed);

        long failures = 0;
        for (long k = 1; k <= needed; ++k) {
            failing.store(allocations.load() + k);
            try {
                static_cast<void>(opaqueSelect(driver, capture, path.steamVrRunning));
            } catch (const std::bad_alloc&) {
                ++failures;
            }
        }
        failing.store(0);
        EXPECT_EQ(failures, needed);
        EXPECT_EQ(opaqueSelect(driver, capture, path.steamVrRunning), pill);
    }
}

}  // namespace
