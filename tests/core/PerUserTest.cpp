// Installed where the user may not write: the clock keeps its settings in the
// user's own file, started from the administrator's file beside the program.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

TEST(PerUser, ReadOnlyProgramFolderKeepsDragsAndSettingsInTheUsersFile) {
    MountedFolder install("size=64k");
    if (!install.mounted()) GTEST_SKIP() << install.reason();
    writeBytes(install.path() / "tl_options.txt", defaultFileWith(11, "60"));
    ASSERT_TRUE(install.remount("ro"));
    TempFolder config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const fs::path userFile = config.path() / "talvorin" / "tl_options.txt";
    auto runClock = [&](const std::function<void(ScriptedRuntime&, Program&)>& steps) {
        ScriptedRuntime runtime;
        runtime.directory_ = install.path();
        Program program(runtime);
        program.start();
        steps(runtime, program);
    };

    runClock([&](ScriptedRuntime& runtime, Program& program) {
        EXPECT_EQ(program.mainForm().optionsFile(), userFile.string());
        EXPECT_EQ(program.mainForm().settings.hText, 60);  // the administrator's value
        runtime.answers = {vbNo};
        runtime.click("frmMain", "");
        ASSERT_EQ(runtime.messageBoxes.size(), 1u);
        EXPECT_NE(runtime.messageBoxes[0].prompt.find(userFile.string() + "\r\n"),
                  std::string::npos);
        runtime.moveByUser("frmMain", 1200, 2400);
        runtime.tick("frmMain");
        // The dialog's apply saves without a warning.
        runtime.answers = {vbCancel};
        runtime.click("frmMain", "");
        runtime.type("frmParam", "txtTaille", "40");
        runtime.click("frmParam", "cmdOk");
        EXPECT_EQ(runtime.messageBoxes.size(), 2u);
    });
    EXPECT_EQ(splitLines(readBytes(userFile), 15)[10], "40");
    runClock([&](ScriptedRuntime& runtime, Program& program) {
        EXPECT_EQ(program.mainForm().settings.hText, 40);
        EXPECT_EQ(runtime.window("frmMain").top, 1200);
        EXPECT_EQ(runtime.window("frmMain").left, 2400);
        EXPECT_TRUE(runtime.errorTrace.empty()) << runtime.errorTrace.front();
    });
    EXPECT_EQ(readBytes(install.path() / "tl_options.txt"), defaultFileWith(11, "60"));
    ::unsetenv("XDG_CONFIG_HOME");
    install.remount("rw");
}

}  // namespace
}  // namespace talvorin::testing
