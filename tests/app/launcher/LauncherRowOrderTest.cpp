// The line page's rows after each result: the three first of a full sort, rebuilt only when they
// change.
#include <algorithm>
#include <cstdio>

#include "app/launcher/LauncherFixture.h"
#include "app/pages/LineRowValues.h"

using namespace launchertest;

namespace {

// The first three of the order a full sort of every arrival gives.
std::vector<PtLineTestResult> FirstRows(std::vector<PtLineTestResult> arrived) {
    std::stable_sort(arrived.begin(), arrived.end(),
                     [](const auto& a, const auto& b) { return a.costMs < b.costMs; });
    std::stable_partition(arrived.begin(), arrived.end(),
                          [](const auto& r) { return r.status == 200; });
    arrived.resize(std::min<size_t>(arrived.size(), CPage1::MAX_ROWS));
    return arrived;
}

struct RowCase {
    const char* name;
    std::vector<PtLineTestResult> arrivals;
};

const RowCase ROW_CASES[] = {
    {"slower ones behind full rows",
     {{"http://a", 200, 800},
      {"http://b", 200, 300},
      {"http://c", 200, 1500},
      {"http://d", 200, 1600},
      {"http://e", 200, 2000},
      {"http://f", 200, 100}}},
    {"ties and statuses",
     {{"http://a", 500, 100},
      {"http://b", 200, 900},
      {"http://c", 200, 900},
      {"http://d", 404, 50},
      {"http://e", 200, 900},
      {"http://f", 200, 0}}},
    {"failures between",
     {{"http://a", 200, 300},
      {"http://b", 7, 5000, false},
      {"http://c", 200, 430},
      {"http://d", 200, 701}}},
};

class LauncherRowOrder : public CLauncherTest {
protected:
    void ExpectRows(const std::vector<PtLineTestResult>& expected) {
        ASSERT_EQ(Rows()->GetCount(), int(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            char szName[64];
            std::snprintf(szName, sizeof szName, "线路地址%d：", int(i + 1));
            EXPECT_STREQ(InRow(int(i), "txt_name")->GetText().GetData(), szName);
            EXPECT_EQ(std::string(InRow(int(i), "ctrl_progress")->GetText().GetData()),
                      GetLineRowValues(expected[i]).strText);
            EXPECT_EQ(std::string(InRow(int(i), "btn_go")->GetUserData()), expected[i].url);
        }
    }
};

}  // namespace

TEST_F(LauncherRowOrder, EachResultShowsTheFirstThreeOfAFullSort) {
    Open(false);
    for (const RowCase& c : ROW_CASES) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> hosts;
        for (const auto& r : c.arrivals)
            hosts.push_back(r.url);
        StartMadeUpRun(hosts);
        std::vector<PtLineTestResult> usable;
        for (const PtLineTestResult& result : c.arrivals) {
            Deliver(result);
            if (result.ok)
                usable.push_back(result);
            if (!usable.empty())
                ExpectRows(FirstRows(usable));
        }
    }
}

TEST_F(LauncherRowOrder, OnlyAChangeAmongTheFirstThreeRebuildsTheRows) {
    Open(false);
    StartMadeUpRun({"http://a", "http://b", "http://c", "http://d", "http://e"});
    Deliver({"http://a", 200, 300});
    Deliver({"http://b", 200, 400});
    Deliver({"http://c", 200, 500});
    // Marks survive only in rows that were kept (an address could be reused).
    for (int i = 0; i < 3; ++i)
        Row(i)->SetUserData("kept");
    Deliver({"http://d", 200, 900});  // behind the rows
    for (int i = 0; i < 3; ++i)
        EXPECT_STREQ(Row(i)->GetUserData().GetData(), "kept");
    Deliver({"http://e", 200, 100});  // the new first
    EXPECT_STRNE(Row(0)->GetUserData().GetData(), "kept");
    ExpectRows({{"http://e", 200, 100}, {"http://a", 200, 300}, {"http://b", 200, 400}});
}
