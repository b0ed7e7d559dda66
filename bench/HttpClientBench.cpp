// The HTTP client's own overhead: median HttpGet time against the curl command line tool.
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "net/HttpClient.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Runs curl on url; returns the process's wall time in seconds and stores
// curl's own transfer time (-w %{time_total}) in transfer. Negative on failure.
double RunCurlTool(const std::string& url, double& transfer) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const char* argv[] = {"curl",      "-s",          "-o", "/dev/null",
                          "-A",        "TavexClient", "-w", "%{time_total}",
                          url.c_str(), nullptr};
    pid_t pid = 0;
    Clock::time_point start = Clock::now();
    int rc = posix_spawnp(&pid, "curl", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char text[64] = {};
    ssize_t n = rc == 0 ? read(out[0], text, sizeof(text) - 1) : -1;
    close(out[0]);
    int status = 0;
    if (rc == 0)
        waitpid(pid, &status, 0);
    double wall = std::chrono::duration<double>(Clock::now() - start).count();
    if (rc != 0 || n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    transfer = std::strtod(text, nullptr);
    return wall;
}

// One iteration times one HttpGet and one curl run of the same request, so
// both medians come from the same run and the same load on the machine.
void BM_HttpGetVersusCurlTool(benchmark::State& state) {
    httplib::Server server;
    std::string body(2048, 'x');
    server.Get("/probe", [&body](const httplib::Request&, httplib::Response& res) {
        res.set_content(body, "application/javascript");
    });
    int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&server] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::string url = "http://127.0.0.1:" + std::to_string(port) + "/probe";

    std::vector<double> ours, toolWall, toolTransfer;
    for (auto _ : state) {
        int status = 0;
        Clock::time_point start = Clock::now();
        std::string answer = HttpGet(url.c_str(), status, 5, 1);
        double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(elapsed);
        double transfer = 0;
        double wall = RunCurlTool(url, transfer);
        if (status != 200 || answer.size() != body.size() || wall < 0) {
            state.SkipWithError("request failed");
            break;
        }
        ours.push_back(elapsed);
        toolWall.push_back(wall);
        toolTransfer.push_back(transfer);
    }
    server.stop();
    thread.join();

    double mine = Median(ours), wall = Median(toolWall), transfer = Median(toolTransfer);
    state.counters["httpget_ms"] = mine * 1e3;
    state.counters["curl_transfer_ms"] = transfer * 1e3;
    state.counters["curl_process_ms"] = wall * 1e3;
    // Above 1 means HttpGet costs more than the tool's own transfer.
    state.counters["ratio_vs_transfer"] = transfer > 0 ? mine / transfer : 0;
    state.counters["ratio_vs_process"] = wall > 0 ? mine / wall : 0;
}
BENCHMARK(BM_HttpGetVersusCurlTool)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
