// Tooltip texts of line rows: phase times of a usable line, the reason of an unavailable one.
#include <gtest/gtest.h>

#include "app/pages/LineToolTipText.h"

namespace {

HttpPhaseTimes Phases(int lookup, int connect, int tls, int firstByte) {
    HttpPhaseTimes phases;
    phases.lookupMs = lookup;
    phases.connectMs = connect;
    phases.tlsMs = tls;
    phases.firstByteMs = firstByte;
    phases.totalMs = lookup + connect + (tls > 0 ? tls : 0) + firstByte;
    return phases;
}

TEST(LineToolTipText, UsableAndUnavailableRowsSayWhereTheTimeWentOrWhy) {
    struct Case {
        int status;
        HttpPhaseTimes phases;
        const char* text;
    } cases[] = {
        {200, Phases(2, 11, 35, 80), "解析 2 ms · 连接 11 ms · 加密 35 ms · 首字节 80 ms"},
        {200, Phases(0, 1, -1, 950), "解析 0 ms · 连接 1 ms · 首字节 950 ms"},
        {200, HttpPhaseTimes{}, ""},
        {500, Phases(0, 0, -1, 150),
         "线路不可用：HTTP 状态 500 · 解析 0 ms · 连接 0 ms · 首字节 150 ms"},
        {404, HttpPhaseTimes{}, "线路不可用：HTTP 状态 404"},
        {28, Phases(0, 1, -1, -1), "线路不可用：请求超时 · 解析 0 ms · 连接 1 ms"},
        {7, HttpPhaseTimes{}, "线路不可用：连接被拒绝"},
        {35, HttpPhaseTimes{}, "线路不可用：证书或加密错误"},
        {60, HttpPhaseTimes{}, "线路不可用：证书或加密错误"},
        {56, HttpPhaseTimes{}, "线路不可用：连接被重置"},
        {52, HttpPhaseTimes{}, "线路不可用：连接被重置"},
        {6, HttpPhaseTimes{}, "线路不可用：无法解析域名"},
        {3, HttpPhaseTimes{}, "线路不可用：传输错误 3"},
    };
    for (const Case& c : cases) {
        PtLineTestResult result{"http://a", c.status, 100, true, c.phases};
        EXPECT_EQ(GetLineToolTipText(result), c.text) << c.status;
    }
}

}  // namespace
