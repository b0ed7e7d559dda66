// Ordering speed-test results as they arrive and keeping g_lstPtLine in that order.
#include "app/lines/PtLineRanking.h"

#include <iterator>
#include <mutex>

void CPtLineRanking::Clear() {
    m_results.clear();
    m_mapLines.clear();
    m_bRepeatedHost = false;
}

void CPtLineRanking::Add(const PtLineTestResult& result) {
    auto it = m_results.insert(result);
    std::lock_guard<std::mutex> guard(g_csPtLine);
    m_bRepeatedHost = m_bRepeatedHost || m_mapLines.count(result.url) != 0;
    // The first result replaces the whole list. A list whose size is not what
    // this run made of it was changed meanwhile, and the positions kept are
    // not to be trusted: rebuilt, as every result did before.
    if (m_results.size() == 1 || m_bRepeatedHost || g_lstPtLine.size() != m_mapLines.size())
        RebuildLinesLocked();
    else
        InsertLineLocked(it);
}

void CPtLineRanking::RebuildLinesLocked() {
    g_lstPtLine.clear();
    m_mapLines.clear();
    for (const PtLineTestResult& result : m_results) {
        auto known = m_mapLines.find(result.url);
        if (known != m_mapLines.end())
            known->second->costMs = result.costMs;
        else
            m_mapLines.emplace(result.url,
                               g_lstPtLine.insert(g_lstPtLine.end(), {result.url, result.costMs}));
    }
}

void CPtLineRanking::InsertLineLocked(PtLineResults::const_iterator it) {
    auto next = std::next(it);
    auto before = next == m_results.end() ? g_lstPtLine.end() : m_mapLines.at(next->url);
    m_mapLines.emplace(it->url, g_lstPtLine.insert(before, {it->url, it->costMs}));
}
