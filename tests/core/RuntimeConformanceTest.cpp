// The checks every runtime passes, here on the headless runtime, with
// simulated time and scripted message-box buttons.
#include <gtest/gtest.h>

#include <cstdio>

#include "RuntimeConformance.h"
#include "scripted/ScriptedRuntime.h"

namespace talvorin {
namespace {

struct ScriptedHarness final : conformance::ConformanceHarness {
    ScriptedRuntime rt;
    int checks = 0;

    Runtime& runtime() override { return rt; }
    void pump(std::chrono::milliseconds duration) override {
        rt.elapse(duration);
        rt.doEvents();
    }
    void answerNextMessageBox(const std::string& label) override {
        rt.pressedButtons.push_back(label);
    }
    void check(bool ok, const std::string& what) override {
        ++checks;
        EXPECT_TRUE(ok) << what;
    }
    void note(const std::string& text) override { std::printf("  %s\n", text.c_str()); }
};

TEST(RuntimeConformance, HeadlessRuntime) {
    ScriptedHarness h;
    conformance::runRuntimeConformance(h);
    EXPECT_GE(h.checks, 40);
    EXPECT_TRUE(h.rt.pressedButtons.empty()) << "every scripted button was pressed";
    EXPECT_EQ(h.rt.errorTrace, std::vector<std::string>{"conformance: a line the test expects"});
}

}  // namespace
}  // namespace talvorin
