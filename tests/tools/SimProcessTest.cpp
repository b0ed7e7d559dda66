// The lumora-sim program: starts, prints its hosts, answers, and exits cleanly on SIGTERM and
// SIGINT.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "net/Endpoints.h"
#include "net/HttpClient.h"

namespace {

// Runs lumora-sim with args, reads its first line (the seed host), probes it,
// sends signal and returns the exit status.
int RunAndSignal(std::vector<std::string> args, int signal, std::string& seedLine) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        std::vector<char*> argv{const_cast<char*>(LUMORA_SIM_PATH)};
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(LUMORA_SIM_PATH, argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* stream = fdopen(out[0], "r");
    char line[512] = {};
    if (stream == nullptr || std::fgets(line, sizeof(line), stream) == nullptr)
        line[0] = 0;
    seedLine = line;
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    if (stream != nullptr)
        std::fclose(stream);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SimProcess, ServesAndStopsOnSignals) {
    for (int signal : {SIGTERM, SIGINT}) {
        std::string seedLine;
        int code = RunAndSignal({"--ephemeral", "--seed-latency", "0"}, signal, seedLine);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(seedLine.rfind("seed", 0), 0u) << seedLine;
    }
}

TEST(SimProcess, AnswersTheSpeedProbeWhileRunning) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(LUMORA_SIM_PATH, LUMORA_SIM_PATH, "--ephemeral", "--seed-latency", "0", nullptr);
        _exit(127);
    }
    close(out[1]);
    FILE* stream = fdopen(out[0], "r");
    ASSERT_NE(stream, nullptr);
    char line[512] = {};
    ASSERT_NE(std::fgets(line, sizeof(line), stream), nullptr);
    char url[256] = {};
    ASSERT_EQ(std::sscanf(line, "seed %255s", url), 1);
    int status = -1;
    std::string body = HttpGet((std::string(url) + PTLINE_PROBE_PATH + "1").c_str(), status, 5, 1);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(body, "jQuery1({\"msg\":\"ok\"})");
    kill(pid, SIGTERM);
    int exitStatus = 0;
    waitpid(pid, &exitStatus, 0);
    std::fclose(stream);
    EXPECT_TRUE(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0);
}

TEST(SimProcess, HelpExplainsTheFlags) {
    std::string command = std::string(LUMORA_SIM_PATH) + " --help";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof(buffer), pipe) != nullptr)
        text += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    for (const char* flag :
         {"--seed-port", "--update-port", "--line", "--query", "--announce-version"})
        EXPECT_NE(text.find(flag), std::string::npos) << flag;
}

}  // namespace
