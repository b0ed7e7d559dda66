// The process-wide list of line hosts, shared by the workers and the UI thread.
#pragma once

#include <mutex>
#include <string>
#include <vector>

struct PtLineEntry {
    std::string url;  // scheme and host, no trailing slash
    int costMs = -1;  // last probe time, -1 when not measured
};

// Ordered as the hosts are tried and tested; every access holds g_csPtLine,
// and no network call runs under it.
extern std::vector<PtLineEntry> g_lstPtLine;
extern std::mutex g_csPtLine;

// The seed list: one entry for the built-in line-query host, made on first use.
const std::vector<PtLineEntry>& GetSeedPtLines();
