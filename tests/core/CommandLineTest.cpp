// The command line, decided before anything starts, and one clock per
// options file as the core asks for it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "program/CommandLine.h"
#include "program/DisplayChoice.h"
#include "program/InstanceKey.h"

namespace talvorin::testing {
namespace {

TEST(CommandLine, ArgumentsDecideTheActionTheStatusAndTheOutput) {
    const std::string usage = decideCommandLine({"--help"}).out;
    ASSERT_TRUE(usage.starts_with("Utilisation : talvorin [--help | --version]\n")) << usage;
    const struct {
        std::vector<std::string> args;
        CommandAction action;
        int status;
        std::string out;
        std::string errStart;  // the whole usage follows an error line
    } rows[] = {
        {{}, CommandAction::Run, 0, "", ""},
        {{"--version"}, CommandAction::PrintVersion, 0, "Talvorin 1.1.8\n", ""},
        {{"--help"}, CommandAction::PrintUsage, 0, usage, ""},
        {{"-h"}, CommandAction::PrintUsage, 0, usage, ""},
        {{"/?"}, CommandAction::PrintUsage, 0, usage, ""},
        {{"--version", "--help"}, CommandAction::PrintVersion, 0, "Talvorin 1.1.8\n", ""},
        {{"--help", "--version"}, CommandAction::PrintUsage, 0, usage, ""},
        {{"--bogus"}, CommandAction::UsageError, 2, "", "talvorin: option inconnue « --bogus »\n"},
        {{"--version", "-x"},
         CommandAction::UsageError,
         2,
         "",
         "talvorin: option inconnue « -x »\n"},
        {{"--Version"},
         CommandAction::UsageError,
         2,
         "",
         "talvorin: option inconnue « --Version »\n"},
        {{"-"}, CommandAction::UsageError, 2, "", "talvorin: option inconnue « - »\n"},
        {{"horloge"},
         CommandAction::UsageError,
         2,
         "",
         "talvorin: argument inattendu « horloge »\n"},
        {{""}, CommandAction::UsageError, 2, "", "talvorin: argument inattendu «  »\n"},
        {{"--help="}, CommandAction::UsageError, 2, "", "talvorin: option inconnue « --help= »\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const CommandDecision d = decideCommandLine(row.args);
        EXPECT_EQ(d.action, row.action);
        EXPECT_EQ(d.exitCode, row.status);
        EXPECT_EQ(d.out, row.out);
        if (row.errStart.empty())
            EXPECT_EQ(d.err, "");
        else
            EXPECT_EQ(d.err, row.errStart + usage);
    }
}

TEST(CommandLine, AnOpenX11DisplayWinsAndEveryOtherRouteSaysWhy) {
    const std::string wayland = "talvorin: pas d'affichage X11, l'horloge s'ouvre sous Wayland";
    const struct {
        DisplayEnvironment env;
        std::string platform;
        std::string errStart;
    } rows[] = {
        {{"", ":0", true, true}, "xcb", ""},
        {{"xcb", ":0", true, false}, "xcb", ""},
        {{"wayland", ":0", true, true}, "xcb", "talvorin: QT_QPA_PLATFORM=wayland not followed"},
        {{"wayland", "", false, true}, "wayland", wayland},
        {{"", "", false, true}, "wayland", wayland},
        {{"wayland", ":9", false, false}, "", noDisplayLine(":9")},
    };
    for (const auto& row : rows) {
        const DisplayChoice choice = chooseDisplay(row.env);
        EXPECT_EQ(choice.platform, row.platform) << row.env.requestedPlatform;
        EXPECT_TRUE(choice.err.starts_with(row.errStart)) << choice.err;
        EXPECT_EQ(choice.err.empty(), row.errStart.empty()) << choice.err;
    }
}

TEST(CommandLine, InstanceKeyIsOneForEverySpellingOfOnePath) {
    TempFolder folder;
    const auto file = (folder.path() / "tl_options.txt").string();
    const std::string key = instanceKey(file);
    EXPECT_EQ(key.size(), std::string("talvorin-").size() + 16);
    EXPECT_EQ(key.find_first_not_of("talvorin-0123456789abcdef"), std::string::npos) << key;
    std::filesystem::create_directory(folder.path() / "sub");
    EXPECT_EQ(instanceKey((folder.path() / "sub" / ".." / "." / "tl_options.txt").string()), key);
    EXPECT_NE(instanceKey((folder.path() / "sub" / "tl_options.txt").string()), key);
    EXPECT_NE(instanceKey((folder.path() / "tl_options.txt.bak").string()), key);
}

TEST_F(ClockTest, SecondStartOnTheSameFileOpensNothingAndAsksTheRunningClock) {
    rt.heldElsewhere.insert(instanceKey(optionsFile().string()));
    program = std::make_unique<Program>(rt);
    EXPECT_FALSE(program->start());
    EXPECT_FALSE(rt.hasWindow("frmMain"));
    EXPECT_FALSE(std::filesystem::exists(optionsFile())) << "a second start touches no file";
    EXPECT_EQ(rt.showRequestsSent, std::vector<std::string>{instanceKey(optionsFile().string())});
}

TEST_F(ClockTest, ShowRequestShowsTheHiddenClockAgainAndQuitRequestEndsIt) {
    start();
    ASSERT_EQ(rt.claimedKeys, std::vector<std::string>{instanceKey(optionsFile().string())});
    ASSERT_TRUE(rt.requestHandlers.show);
    clock().hide();
    ASSERT_FALSE(clockWindow().visible);
    // Hidden and, meanwhile, left beyond the only monitor.
    rt.workAreas_ = {PixelRect{0, 0, 1280, 1024}};
    rt.moveByUser("frmMain", 15 * 5000, 15 * 5000);
    rt.requestHandlers.show();
    EXPECT_TRUE(clockWindow().visible);
    EXPECT_EQ(clockWindow().operations.back(), "activate");
    EXPECT_LE(clockWindow().left, 15.0 * (1280 - 154));  // back on the screen
    EXPECT_LE(clockWindow().top, 15.0 * (1024 - 143));

    // An installer's request ends the program as "Oui" does; a late show creates nothing.
    ASSERT_TRUE(rt.requestHandlers.quit);
    rt.requestHandlers.quit();
    EXPECT_TRUE(rt.ended);
    EXPECT_EQ(clockWindow().operations.back(), "unload");
    rt.requestHandlers.show();
    EXPECT_EQ(rt.windowsCreated("frmMain"), 1);
}

TEST_F(ClockTest, ClaimThatCannotBeSetUpStillRunsTheClockAndLeavesATrace) {
    rt.failingOperations.insert("claimInstance");
    program = std::make_unique<Program>(rt);
    EXPECT_TRUE(program->start());
    EXPECT_TRUE(clockWindow().visible);
    ASSERT_FALSE(rt.errorTrace.empty());  // the missing options file follows
    EXPECT_TRUE(rt.errorTrace[0].starts_with("one clock per options file not ensured: "))
        << rt.errorTrace[0];
}

}  // namespace
}  // namespace talvorin::testing
