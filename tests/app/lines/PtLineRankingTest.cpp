// Results ranked one at a time end in the order, and leave the line list, that sorting all did.
#include "app/lines/PtLineRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <list>
#include <random>
#include <string>
#include <vector>

namespace {

// The order every result used to produce: a stable sort by time, then the
// status-200 results moved ahead, keeping their order.
std::vector<PtLineTestResult> SortedAll(const std::vector<PtLineTestResult>& arrived) {
    std::vector<PtLineTestResult> sorted(arrived);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.costMs < b.costMs; });
    std::stable_partition(sorted.begin(), sorted.end(),
                          [](const auto& r) { return r.status == 200; });
    return sorted;
}

// The list rebuilt from them: one entry per host, where it first comes, with
// the time of its last result.
std::vector<PtLineEntry> RebuiltLines(const std::vector<PtLineTestResult>& sorted) {
    std::vector<PtLineEntry> lines;
    for (const PtLineTestResult& r : sorted) {
        auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const PtLineEntry& e) { return e.url == r.url; });
        if (it != lines.end())
            it->costMs = r.costMs;
        else
            lines.push_back({r.url, r.costMs});
    }
    return lines;
}

std::vector<std::pair<std::string, int>> Flat(const std::vector<PtLineEntry>& lines) {
    std::vector<std::pair<std::string, int>> flat;
    for (const PtLineEntry& e : lines)
        flat.emplace_back(e.url, e.costMs);
    return flat;
}

std::vector<std::pair<std::string, int>> FlatShared() {
    return Flat(std::vector<PtLineEntry>(g_lstPtLine.begin(), g_lstPtLine.end()));
}

std::vector<PtLineTestResult> Random(int nCount, unsigned nSeed) {
    std::mt19937 rng(nSeed);
    std::vector<PtLineTestResult> results;
    for (int i = 0; i < nCount; ++i) {
        int status = rng() % 5 == 0 ? 404 + int(rng() % 100) : 200;
        results.push_back({"http://h" + std::to_string(i), status, int(rng() % 40) * 50, true});
    }
    return results;
}

struct Case {
    const char* name;
    std::vector<PtLineTestResult> arrivals;
    // Run before the arrival of that index, to change the list behind the ranking.
    int nMeddleAt = -1;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases{
        {"fastest first",
         {{"http://a", 200, 800}, {"http://b", 200, 300}, {"http://c", 200, 1500}}},
        {"ties keep arrival, 200 ahead",
         {{"http://c", 500, 100},
          {"http://b", 200, 900},
          {"http://a", 200, 900},
          {"http://d", 404, 100},
          {"http://e", 200, 0}}},
        {"every arrival a new first",
         {{"http://a", 200, 5},
          {"http://b", 200, 4},
          {"http://c", 200, 3},
          {"http://d", 302, 2},
          {"http://e", 200, 1}}},
        {"a host answering twice",
         {{"http://a", 200, 300},
          {"http://b", 200, 100},
          {"http://a", 200, 50},
          {"http://c", 200, 200},
          {"http://b", 500, 10},
          {"http://d", 200, 75}}},
        {"a list changed meanwhile",
         {{"http://a", 200, 300}, {"http://b", 200, 100}, {"http://c", 200, 200}},
         2},
        {"random 300", Random(300, 7)},
        {"random 300 with repeats",
         [] {
             std::vector<PtLineTestResult> r = Random(300, 11);
             for (int i = 0; i < 300; i += 7)
                 r[size_t(i)].url = "http://h" + std::to_string(i / 2);
             return r;
         }()},
    };
    return cases;
}

}  // namespace

TEST(PtLineRanking, EachArrivalGivesTheOrderAndListOfAFullSort) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        g_lstPtLine = {{"http://seed", -1}, {"http://other", -1}};
        CPtLineRanking ranking;
        ranking.Clear();
        std::vector<PtLineTestResult> arrived;
        for (size_t i = 0; i < c.arrivals.size(); ++i) {
            if (int(i) == c.nMeddleAt)
                g_lstPtLine.push_back({"http://appended", -1});
            arrived.push_back(c.arrivals[i]);
            ranking.Add(c.arrivals[i]);
            std::vector<PtLineTestResult> expected = SortedAll(arrived);
            ASSERT_EQ(
                std::vector<PtLineTestResult>(ranking.Results().begin(), ranking.Results().end()),
                expected)
                << "after arrival " << i;
            ASSERT_EQ(FlatShared(), Flat(RebuiltLines(expected))) << "after arrival " << i;
        }
    }
    g_lstPtLine.clear();
}

TEST(PtLineRanking, ANewRunStartsFromTheListAsItIs) {
    g_lstPtLine = {{"http://a", -1}, {"http://b", -1}};
    CPtLineRanking ranking;
    ranking.Add({"http://a", 200, 100});
    ranking.Add({"http://b", 200, 50});
    ranking.Clear();
    EXPECT_TRUE(ranking.Results().empty());
    EXPECT_EQ(FlatShared(),
              (std::vector<std::pair<std::string, int>>{{"http://b", 50}, {"http://a", 100}}));
    ranking.Add({"http://a", 200, 70});  // the first of the run replaces the list
    EXPECT_EQ(FlatShared(), (std::vector<std::pair<std::string, int>>{{"http://a", 70}}));
    g_lstPtLine.clear();
}
