// The usable speed-test results of a run in display order, mirrored into g_lstPtLine.
#pragma once

#include <list>
#include <set>
#include <string>
#include <unordered_map>

#include "app/lines/PtLine.h"
#include "app/lines/PtLineTestResult.h"

// Status 200 ahead of the rest, then fastest first. Equal keys are
// equivalent, and a multiset inserts after its equivalents: arrival order.
struct PtLineResultOrder {
    bool operator()(const PtLineTestResult& a, const PtLineTestResult& b) const {
        if ((a.status == 200) != (b.status == 200))
            return a.status == 200;
        return a.costMs < b.costMs;
    }
};
using PtLineResults = std::multiset<PtLineTestResult, PtLineResultOrder>;

// One result costs O(log n) however many have arrived: it is inserted in
// order, and its host is put into g_lstPtLine before the host of the result
// that follows it, instead of sorting and rebuilding everything.
class CPtLineRanking {
public:
    // A new run: no result yet; g_lstPtLine stays as it is until the first.
    void Clear();
    // Inserts a usable result and places its host in g_lstPtLine, which then
    // holds the hosts of the results so far, in their order.
    void Add(const PtLineTestResult& result);
    const PtLineResults& Results() const { return m_results; }

private:
    void RebuildLinesLocked();
    void InsertLineLocked(PtLineResults::const_iterator it);

    PtLineResults m_results;
    // Where each result's host sits in g_lstPtLine.
    std::unordered_map<std::string, std::list<PtLineEntry>::iterator> m_mapLines;
    // A host answered twice in this run: its one entry keeps the first
    // place, so positions are recomputed from scratch.
    bool m_bRepeatedHost = false;
};
