#pragma once

// Compares a recorded drawing's text dump with a reference file under
// tests/data/recordings/. With VELMORA_UPDATE_REFERENCES=1 in the environment the reference
// is rewritten instead, for intended changes of a drawing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace velmora::testing {

inline std::string referencePath(const std::string& name) {
    return std::string(VELMORA_TEST_DATA_DIR) + "/recordings/" + name;
}

inline void expectMatchesReference(const std::string& name, const std::string& actual) {
    const std::string path = referencePath(name);
    const char* update = std::getenv("VELMORA_UPDATE_REFERENCES");
    if (update && std::string(update) == "1") {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        ASSERT_TRUE(out) << "cannot write " << path;
        out << actual;
        return;
    }

    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing reference " << path
                    << "\nCreate it by running this test with VELMORA_UPDATE_REFERENCES=1.";
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string expected = buffer.str();
    if (expected == actual) {
        return;
    }

    std::istringstream expectedLines(expected);
    std::istringstream actualLines(actual);
    std::string e;
    std::string a;
    int lineNumber = 0;
    while (true) {
        ++lineNumber;
        const bool moreExpected = static_cast<bool>(std::getline(expectedLines, e));
        const bool moreActual = static_cast<bool>(std::getline(actualLines, a));
        if (!moreExpected && !moreActual) {
            break;
        }
        if (!moreExpected || !moreActual || e != a) {
            ADD_FAILURE() << "recording differs from " << path << " at line " << lineNumber
                          << "\n  expected: " << (moreExpected ? e : "<end>")
                          << "\n  actual:   " << (moreActual ? a : "<end>")
                          << "\nIf the change is intended, regenerate the references by running "
                             "the test with VELMORA_UPDATE_REFERENCES=1 in the environment.";
            return;
        }
    }
    ADD_FAILURE() << "recording differs from " << path << " only in line endings";
}

} // namespace velmora::testing
