// lumora-sim: serves the local platform simulator until SIGINT or SIGTERM.
#include <signal.h>

#include <cstdio>

#include "tools/sim/PlatformSimulator.h"
#include "tools/sim/SimOptions.h"

int main(int argc, char** argv) {
    SimProfile profile;
    std::string error;
    SimCommand command =
        ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), profile, error);
    if (command == SimCommand::Help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    if (command == SimCommand::Error) {
        std::fprintf(stderr, "lumora-sim: %s\n%s", error.c_str(), SimUsage().c_str());
        return 2;
    }

    // Blocked before any server thread exists, so only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    CPlatformSimulator sim;
    if (!sim.Start(profile)) {
        std::fprintf(stderr, "lumora-sim: %s\n", sim.Error().c_str());
        return 1;
    }
    // Show the bound ports (they differ from the profile's with --ephemeral).
    profile.seed.port = sim.SeedPort();
    std::vector<int> ports = sim.LinePorts();
    for (size_t i = 0; i < ports.size(); ++i)
        profile.lines[i].port = ports[i];
    profile.updatePort = sim.UpdatePort();
    std::fputs(DescribeSimProfile(profile).c_str(), stdout);
    std::fflush(stdout);

    int received = 0;
    sigwait(&signals, &received);
    sim.Stop();
    std::fprintf(stdout, "lumora-sim: stopped on signal %d\n", received);
    return 0;
}
