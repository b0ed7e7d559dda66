// Reading line query answers, decoding entries, merging hosts and probe answers.
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

namespace {

std::vector<std::string> LineUrls() {
    std::vector<std::string> urls;
    for (const PtLineEntry& entry : g_lstPtLine)
        urls.push_back(entry.url);
    return urls;
}

}  // namespace

TEST(PtLineAnswer, MergeAppendsOnlyUnknownHosts) {
    g_lstPtLine = {{"http://seed", 40}, {"http://a", -1}};
    EXPECT_EQ(MergePtLines("http://a,http://b,http://seed,http://c,http://b"), 0);
    EXPECT_EQ(LineUrls(),
              (std::vector<std::string>{"http://seed", "http://a", "http://b", "http://c"}));
    EXPECT_EQ(g_lstPtLine.front().costMs, 40);
    g_lstPtLine.clear();
}

// Known hosts and repeats do not count towards the bound; what is over it is
// dropped and counted, in the answer's order.
TEST(PtLineAnswer, MergeAddsAtMostTheBoundFromOneAnswer) {
    g_lstPtLine = {{"http://seed", -1}};
    std::string lines = "http://seed";
    const int nNamed = PTLINE_MAX_NEW_HOSTS + 500;
    for (int i = 0; i < nNamed; ++i)
        lines += ",http://h" + std::to_string(i) + (i % 2 == 0 ? ",http://seed" : "");
    lines += ",http://h0";
    EXPECT_EQ(MergePtLines(lines), nNamed - PTLINE_MAX_NEW_HOSTS);
    std::vector<std::string> urls = LineUrls();
    ASSERT_EQ(urls.size(), size_t(1 + PTLINE_MAX_NEW_HOSTS));
    EXPECT_EQ(urls[1], "http://h0");
    EXPECT_EQ(urls.back(), "http://h" + std::to_string(PTLINE_MAX_NEW_HOSTS - 1));
    // The next answer may add again.
    EXPECT_EQ(MergePtLines("http://later"), 0);
    EXPECT_EQ(LineUrls().back(), "http://later");
    g_lstPtLine.clear();
}

TEST(PtLineAnswer, ProbeAnswersNeedBothMarkers) {
    EXPECT_TRUE(IsProbeAnswer("jQuery123({\"msg\":\"ok\"})"));
    EXPECT_FALSE(IsProbeAnswer("jQuery123({\"msg\":\"fail\"})"));
    EXPECT_FALSE(IsProbeAnswer("jQuery123({\"ok\":1})"));
    EXPECT_FALSE(IsProbeAnswer(""));
}
