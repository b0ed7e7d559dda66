// A program that cannot open the display it is given says so in one line and exits 1.
#include "X11Fixture.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace x11test {

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output;
};

// An empty display name counts as no display at all.
Outcome RunWithDisplay(const std::string& program, const std::string& display) {
    std::string command = "DISPLAY='" + display + "' '" + program + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    Outcome outcome;
    if (pipe == nullptr)
        return outcome;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), int(buffer.size()), pipe) != nullptr)
        outcome.output += buffer.data();
    int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

}  // namespace

TEST(DisplayChoice, LauncherWithAnUnopenableDisplayPrintsOneLineAndExits1) {
    Outcome outcome = RunWithDisplay(LUMORA_LAUNCHER_PATH, ":65001");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.output.find("cannot open X display \":65001\""), std::string::npos)
        << outcome.output;
    EXPECT_EQ(std::count(outcome.output.begin(), outcome.output.end(), '\n'), 1) << outcome.output;
}

TEST(DisplayChoice, LauncherWithoutADisplaySaysSoAndExits1) {
    Outcome outcome = RunWithDisplay(LUMORA_LAUNCHER_PATH, "");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.output.find("lumora: no X display"), std::string::npos) << outcome.output;
    EXPECT_EQ(std::count(outcome.output.begin(), outcome.output.end(), '\n'), 1) << outcome.output;
}

}  // namespace x11test
