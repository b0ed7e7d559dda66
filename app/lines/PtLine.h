// The process-wide list of line hosts, shared by the workers and the UI thread.
#pragma once

#include <list>
#include <mutex>
#include <string>
#include <vector>

struct PtLineEntry {
    std::string url;  // scheme and host, no trailing slash
    int costMs = -1;  // last probe time, -1 when not measured
};

// Ordered as the hosts are tried and tested; every access holds g_csPtLine,
// and no network call runs under it. A list, so that a speed-test result
// takes its place without moving the others; during a run the ranking
// (CPtLineRanking) keeps positions in it and rebuilds it when its size
// changed behind its back.
extern std::list<PtLineEntry> g_lstPtLine;
extern std::mutex g_csPtLine;

// The seed list: one entry for the built-in line-query host, made on first use.
const std::vector<PtLineEntry>& GetSeedPtLines();
