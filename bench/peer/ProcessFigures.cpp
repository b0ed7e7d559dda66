// Reading a process's memory and CPU figures from /proc.
#include "ProcessFigures.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace peer {

namespace {

long FieldKb(const std::string& path, const std::string& key) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + key.size());
    return -1;
}

}  // namespace

long ResidentKb(pid_t pid) {
    return FieldKb("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
}

long ProportionalKb(pid_t pid) {
    return FieldKb("/proc/" + std::to_string(pid) + "/smaps_rollup", "Pss:");
}

double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i)  // state .. cmajflt; utime and stime follow
        fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / double(sysconf(_SC_CLK_TCK));
}

}  // namespace peer
