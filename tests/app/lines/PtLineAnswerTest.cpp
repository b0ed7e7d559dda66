// Reading line query answers, decoding entries, probe answers and result order.
#include "app/lines/PtLineAnswer.h"

#include <gtest/gtest.h>

#include "app/lines/PtLine.h"
#include "tools/sim/SimAnswers.h"

TEST(PtLineAnswer, ReadsCodeAndResultBySplitting) {
    std::string code, result;
    ParsePtLineAnswer("{\"code\":1,\"result\":[\"a\",\"b\"],\"msg\":\"x\"}", code, result);
    EXPECT_EQ(code, "1");
    EXPECT_EQ(result, "[\"a\",\"b\"]");
    EXPECT_EQ(StripPtLineResult(result), "a,b");

    code.clear();
    ParsePtLineAnswer("{\"code\":\"1\",\"result\":[],\"msg\":\"x\"}", code, result);
    EXPECT_EQ(code, "\"1\"");  // quoted codes do not match the bare number
    code.clear();
    ParsePtLineAnswer("{\"result\":[\"a\"],\"code\":1}", code, result);
    EXPECT_EQ(code, "1}");  // a last member keeps the brace
}

TEST(PtLineAnswer, DecodesEntriesInOrderAndSkipsOversizedOnes) {
    std::string a = EncodeLineHost("http://a.example");
    std::string b = EncodeLineHost("https://b.example:8443");
    EXPECT_EQ(DecodePtLineResult(a + "," + b), "http://a.example,https://b.example:8443");
    std::string oversized(348, 'Q');  // 261 bytes once decoded
    EXPECT_EQ(DecodePtLineResult(oversized), "");
    EXPECT_EQ(DecodePtLineResult(oversized + "," + a), "http://a.example");
    EXPECT_EQ(DecodePtLineResult(""), "");
}

// An answer encoded by hand (Base64 of the XOR-scrambled hosts), so neither
// the decoder nor the simulator's encoder checks itself.
TEST(PtLineAnswer, DecodesAFixedAnswer) {
    const std::string body =
        "{\"code\":1,\"result\":[\"OSMxIm52eihhNTQqJzgrIw==\","
        "\"OSMxIidjemYtfikzKyU3KiFpeW5scA==\"],\"msg\":\"ok\"}";
    std::string code, result;
    ParsePtLineAnswer(body, code, result);
    EXPECT_EQ(code, "1");
    EXPECT_EQ(DecodePtLineResult(StripPtLineResult(result)),
              "http://a.example,https://b.example:8443");
    EXPECT_EQ(EncodeLineHost("http://a.example"), "OSMxIm52eihhNTQqJzgrIw==");
}

TEST(PtLineAnswer, SkipsLineBreaksSpacesAndPaddingInsideEntries) {
    std::string encoded = EncodeLineHost("http://c.example");
    std::string noisy = encoded.substr(0, 4) + "\r\n " + encoded.substr(4) + "==";
    EXPECT_EQ(DecodePtLineResult(noisy), "http://c.example");
}

TEST(PtLineAnswer, MergeAppendsOnlyUnknownHosts) {
    g_lstPtLine = {{"http://seed", 40}, {"http://a", -1}};
    MergePtLines("http://a,http://b,http://seed,http://c");
    ASSERT_EQ(g_lstPtLine.size(), 4u);
    EXPECT_EQ(g_lstPtLine[0].url, "http://seed");
    EXPECT_EQ(g_lstPtLine[0].costMs, 40);
    EXPECT_EQ(g_lstPtLine[2].url, "http://b");
    EXPECT_EQ(g_lstPtLine[3].url, "http://c");
    g_lstPtLine.clear();
}

TEST(PtLineAnswer, ProbeAnswersNeedBothMarkers) {
    EXPECT_TRUE(IsProbeAnswer("jQuery123({\"msg\":\"ok\"})"));
    EXPECT_FALSE(IsProbeAnswer("jQuery123({\"msg\":\"fail\"})"));
    EXPECT_FALSE(IsProbeAnswer("jQuery123({\"ok\":1})"));
    EXPECT_FALSE(IsProbeAnswer(""));
}

TEST(PtLineAnswer, ResultsSortFastestFirstWithStatus200Ahead) {
    std::list<PtLineTestResult> results{
        {"http://slow200", 200, 900, true}, {"http://fast500", 500, 100, true},
        {"http://tie1", 200, 300, true},    {"http://tie2", 200, 300, true},
        {"http://slow404", 404, 50, true},
    };
    SortTestResults(results);
    std::vector<std::string> order;
    for (const auto& r : results)
        order.push_back(r.url);
    EXPECT_EQ(order, (std::vector<std::string>{"http://tie1", "http://tie2", "http://slow200",
                                               "http://slow404", "http://fast500"}));
}
