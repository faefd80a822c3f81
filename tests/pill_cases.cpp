// Runs every case of tests/cases.tsv through the C++ interface (pill_c_test.c runs them through
// the C one):
//   orv_pill_cases <path of cases.tsv>
// Each case runs twice, once with the records filled as the status sources usually fill them and
// once with every member the selection does not read set against that. Prints each failure and
// "N passed, N failed"; exits 1 on a failure, or when it read no case. A plain program, so that a
// consumer built against another standard library (libc++, libstdc++'s old string) runs it too.
#include <cstddef>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orv/pill.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: orv_pill_cases <path of cases.tsv>\n";
        return 1;
    }
    const char* const path = *std::next(argv);
    int passed = 0;
    int failed = 0;
    const auto expect = [&](bool holds, const Case& row, const char* what) {
        ++(holds ? passed : failed);
        if (!holds) {
            std::cerr << "FAIL: " << row.name << ": " << what << '\n';
        }
    };
    for (const Case& row : readCases(path)) {
        orv::DriverStatus driver{row.loaded, !row.loaded, "", 0};
        orv::CaptureStatus capture{"idle", row.error, row.micState};
        expect(orv::selectFailPill(driver, capture, row.steamVrRunning) == row.expected, row,
               "C++, the usual records");
        driver = orv::DriverStatus{row.loaded, row.loaded, "driver detail", 0xFFFF};
        capture.state = "capturing";
        expect(orv::selectFailPill(driver, capture, row.steamVrRunning) == row.expected, row,
               "C++, what the selection does not read set otherwise");
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 && passed > 0 ? 0 : 1;
}
