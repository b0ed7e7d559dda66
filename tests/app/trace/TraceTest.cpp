// The trace line layout, argument safety and the code page of its text.
#include "app/trace/Trace.h"

#include <gtest/gtest.h>

#include <string>

#include "support/CaptureStderr.h"

namespace {

struct CProbe {
    static int Emit(const char* body) {
        TRACE_DEBUG("get ptline from[%s] fail. response[%s]\n", "http://h", body);
        return __LINE__ - 1;
    }
};

}  // namespace

TEST(Trace, LineNamesFunctionFileAndLine) {
    testsupport::CCaptureStderr capture;
    int line = CProbe::Emit("{}");
    std::string expected = "{anonymous}::CProbe::Emit(tests/app/trace/TraceTest.cpp[" +
                           std::to_string(line) +
                           "]) - get ptline from[http://h] fail. response[{}]\n\n";
    EXPECT_EQ(capture.Text(), expected);  // a message ending in "\n" leaves an empty line
}

TEST(Trace, PercentInArgumentsIsWrittenUnchanged) {
    testsupport::CCaptureStderr capture;
    TraceDebug("F", "u", 7, "response[%s]", "100%s %d %% %n");
    EXPECT_EQ(capture.Text(), "F(u[7]) - response[100%s %d %% %n]\n");
}

TEST(Trace, LongMessagesAreNotCut) {
    testsupport::CCaptureStderr capture;
    std::string body(20000, 'x');
    TraceDebug("F", "u", 1, "%s", body.c_str());
    EXPECT_EQ(capture.Text(), "F(u[1]) - " + body + "\n");
}

TEST(Trace, ChineseLiteralsAreCodePage936InsideAndUtf8Outside) {
    const char* literal = "线路更新中";
    EXPECT_STREQ(literal, "\xCF\xDF\xC2\xB7\xB8\xFC\xD0\xC2\xD6\xD0");  // GBK bytes at run time
    testsupport::CCaptureStderr capture;
    TraceDebug("F", "u", 1, "%s", literal);
    EXPECT_EQ(capture.Text(),
              "F(u[1]) - \xE7\xBA\xBF\xE8\xB7\xAF\xE6\x9B\xB4\xE6\x96\xB0\xE4\xB8\xAD\n");
}

TEST(Trace, QualifiedNameComesFromThePrettyFunction) {
    EXPECT_EQ(QualifiedFunctionName("int CMainFrame::GetPtLine(INT_PTR, LPARAM*)"),
              "CMainFrame::GetPtLine");
    EXPECT_EQ(QualifiedFunctionName("static bool CDataManager::CheckUpdate(std::string&)"),
              "CDataManager::CheckUpdate");
    EXPECT_EQ(QualifiedFunctionName("CFoo* CFoo::Make()"), "CFoo::Make");
    EXPECT_EQ(QualifiedFunctionName("CFoo::CFoo()"), "CFoo::CFoo");
    EXPECT_EQ(QualifiedFunctionName("void Free()"), "Free");
}
