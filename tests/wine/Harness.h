// A small check harness for programs that run under Wine: one line per
// check, PASS or FAIL, and a non-zero exit code when any check failed.
#pragma once

#include <string>

namespace wine_test {

class Report {
  public:
    // Returns `ok`, so a scenario can stop when a later step needs this one.
    bool check(bool ok, const std::string& what);
    bool equal(const std::string& actual, const std::string& expected, const std::string& what);
    bool equal(long long actual, long long expected, const std::string& what);
    void note(const std::string& text);
    int exitCode() const;

  private:
    int checks_ = 0;
    int failures_ = 0;
};

}  // namespace wine_test
