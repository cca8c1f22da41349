#include "Harness.h"

#include <cstdio>

namespace wine_test {

bool Report::check(bool ok, const std::string& what) {
    ++checks_;
    if (!ok) ++failures_;
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    return ok;
}

bool Report::equal(const std::string& actual, const std::string& expected,
                   const std::string& what) {
    const bool ok = actual == expected;
    check(ok, what);
    if (!ok)
        std::printf("      expected [%s]\n      actual   [%s]\n", expected.c_str(), actual.c_str());
    return ok;
}

bool Report::equal(long long actual, long long expected, const std::string& what) {
    const bool ok = actual == expected;
    check(ok, what + " (" + std::to_string(actual) +
                  (ok ? "" : ", expected " + std::to_string(expected)) + ")");
    return ok;
}

void Report::note(const std::string& text) {
    std::printf("      %s\n", text.c_str());
    std::fflush(stdout);
}

int Report::exitCode() const {
    std::printf("%d checks, %d failed\n", checks_, failures_);
    return failures_ == 0 ? 0 : 1;
}

}  // namespace wine_test
