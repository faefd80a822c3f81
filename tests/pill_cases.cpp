// Runs every case of tests/cases.tsv through both interfaces:
//   orv_pill_cases <path of cases.tsv>
// The C++ one twice, once with the records filled as the status sources usually fill them and
// once with every member the selection does not read set against that; the C one with each text's
// exact bytes and size, its NUL, and the Generic message that views the caller's own bytes. Then
// what only the C interface has: the arguments it cannot read, and words and flags by their size
// and value. Prints each failure and "N passed, N failed"; exits 1 on a failure, or when it read no
// case. A plain program, so that a consumer built against another standard library (libc++,
// libstdc++'s old string) runs it too.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "orv/pill.h"
#include "orv/pill_c.h"

namespace {

// A field of the table as the text it stands for: \0 \t \n \r \\ escapes, and \*N at the end
// repeats everything before it N times in all.
std::string decode(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        const char code = field[++i];
        if (code == '*') {
            const std::string unit = text;
            for (long n = std::stol(std::string(field.substr(i + 1))); n > 1; --n) {
                text += unit;
            }
            break;
        }
        text += code == '0'   ? '\0'
                : code == 't' ? '\t'
                : code == 'n' ? '\n'
                : code == 'r' ? '\r'
                              : code;
    }
    return text;
}

struct Case {
    std::string name;
    bool loaded = false;
    std::string micState;
    std::optional<std::string> error;
    bool steamVrRunning = false;
    std::optional<orv::FailPill> expected;
};

std::vector<Case> readCases(const char* path) {
    std::vector<Case> cases;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "FAIL: cannot read " << path << '\n';
    }
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> f;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            f.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        }
        f.resize(10);
        Case row{f[0], f[1] == "true", decode(f[2]), std::nullopt, f[4] == "true", std::nullopt};
        if (f[3] != "-") {
            row.error = decode(f[3]);
        }
        if (f[5] != "-") {
            row.expected = orv::FailPill{static_cast<orv::FailKind>(std::stoi(f[5])),
                                         decode(f[6]),
                                         decode(f[7]),
                                         decode(f[8]),
                                         f[9] == "true",
                                         false};
        }
        cases.push_back(row);
    }
    return cases;
}

// What a C record is filled with before each call, to see whether the call wrote it.
constexpr unsigned char kUntouched = 0xA5;

orv_fail_pill_view untouchedRecord() {
    orv_fail_pill_view pill;
    std::memset(&pill, kUntouched, sizeof pill);
    return pill;
}

// Whether every byte of the record, padding included, still holds the fill pattern.
bool isUntouched(const orv_fail_pill_view& pill) {
    std::array<unsigned char, sizeof pill> bytes{};
    std::memcpy(bytes.data(), &pill, sizeof pill);
    return std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b == kUntouched; });
}

// A text the C interface wrote: exactly the expected bytes, followed by a NUL.
bool isFixedText(const char* text, std::size_t size, const std::string& expected) {
    return text != nullptr && size == expected.size() &&
           std::string_view(text, size + 1) == std::string_view(expected.c_str(), size + 1);
}

// The case through the C interface: its result, and the pill's every member; no pill leaves the
// record untouched.
bool cInterfaceMatches(const Case& row) {
    orv_fail_pill_view pill = untouchedRecord();
    const char* const error = row.error ? row.error->data() : nullptr;
    const std::size_t errorSize = row.error ? row.error->size() : 0;
    const int result = orv_select_fail_pill(
        static_cast<std::uint8_t>(row.loaded), row.micState.data(), row.micState.size(), error,
        errorSize, static_cast<std::uint8_t>(row.steamVrRunning), &pill);
    if (!row.expected) {
        return result == ORV_PILL_NONE && isUntouched(pill);
    }
    const orv::FailPill& expected = *row.expected;
    const bool message = expected.kind == orv::FailKind::Generic
                             ? pill.message == error && pill.message_size == errorSize
                             : isFixedText(pill.message, pill.message_size, expected.message);
    return result == ORV_PILL_SELECTED && pill.kind == static_cast<std::int32_t>(expected.kind) &&
           message &&
           isFixedText(pill.action_label, pill.action_label_size, expected.actionLabel) &&
           isFixedText(pill.deep_link, pill.deep_link_size, expected.deepLink) &&
           pill.dismissable == static_cast<std::uint8_t>(expected.dismissable) &&
           pill.reserved == 0;
}

// The C interface's calls that the table cannot write: a NULL it cannot read is refused and
// writes nothing; a word is its size, not up to a NUL; a NULL word of size 0 is the empty word;
// any flag other than 0 is true.
std::vector<std::pair<const char*, bool>> cInterfaceEdges() {
    orv_fail_pill_view pill = untouchedRecord();
    const auto refused = [&](int result) {
        return result == ORV_PILL_INVALID_ARGUMENT && isUntouched(pill);
    };
    const auto selected = [&](int result, int kind) {
        return result == ORV_PILL_SELECTED && pill.kind == kind;
    };
    return {
        {"mic_state NULL with a size",
         refused(orv_select_fail_pill(1, nullptr, 1, nullptr, 0, 1, &pill))},
        {"error NULL with a size",
         refused(orv_select_fail_pill(0, "active", 6, nullptr, 1, 1, &pill))},
        {"pill NULL",
         orv_select_fail_pill(1, "active", 6, nullptr, 0, 1, nullptr) == ORV_PILL_INVALID_ARGUMENT},
        {"a word of 7 bytes", selected(orv_select_fail_pill(1, "missing!", 7, nullptr, 0, 1, &pill),
                                       ORV_FAIL_KIND_DEVICE_REMOVED)},
        {"a NULL word and the flag 7",
         selected(orv_select_fail_pill(7, nullptr, 0, "x", 1, 0, &pill), ORV_FAIL_KIND_GENERIC)},
        {"orv_pill_version", orv_pill_version() == ORV_PILL_VERSION},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: orv_pill_cases <path of cases.tsv>\n";
        return 1;
    }
    const char* const path = *std::next(argv);
    int passed = 0;
    int failed = 0;
    const auto expect = [&](bool holds, std::string_view name, const char* what) {
        ++(holds ? passed : failed);
        if (!holds) {
            std::cerr << "FAIL: " << name << ": " << what << '\n';
        }
    };
    const std::vector<Case> cases = readCases(path);
    for (const Case& row : cases) {
        orv::DriverStatus driver{row.loaded, !row.loaded, "", 0};
        orv::CaptureStatus capture{"idle", row.error, row.micState};
        expect(orv::selectFailPill(driver, capture, row.steamVrRunning) == row.expected, row.name,
               "C++, the usual records");
        driver = orv::DriverStatus{row.loaded, row.loaded, "driver detail", 0xFFFF};
        capture.state = "capturing";
        expect(orv::selectFailPill(driver, capture, row.steamVrRunning) == row.expected, row.name,
               "C++, what the selection does not read set otherwise");
        expect(cInterfaceMatches(row), row.name, "C");
    }
    for (const auto& [name, holds] : cInterfaceEdges()) {
        expect(holds, name, "C");
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 && !cases.empty() ? 0 : 1;
}
