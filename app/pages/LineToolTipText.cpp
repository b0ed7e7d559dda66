// Phase times and failure reasons of a speed probe, in the launcher's language.
#include "app/pages/LineToolTipText.h"

#include "net/HttpFailureKind.h"

namespace {

const char SEPARATOR[] = " · ";
const char UNAVAILABLE[] = "线路不可用：";

void AppendPhase(std::string& text, const char* pstrName, int nMs) {
    if (nMs < 0)
        return;
    if (!text.empty())
        text += SEPARATOR;
    text.append(pstrName).append(" ").append(std::to_string(nMs)).append(" ms");
}

const char* FailureText(HttpFailureKind kind) {
    switch (kind) {
        case HttpFailureKind::TimedOut:
            return "请求超时";
        case HttpFailureKind::Refused:
            return "连接被拒绝";
        case HttpFailureKind::NameLookup:
            return "无法解析域名";
        case HttpFailureKind::Certificate:
            return "证书或加密错误";
        case HttpFailureKind::Reset:
            return "连接被重置";
        default:
            return nullptr;
    }
}

}  // namespace

std::string GetPhaseTimesText(const HttpPhaseTimes& phases) {
    std::string text;
    AppendPhase(text, "解析", phases.lookupMs);
    AppendPhase(text, "连接", phases.connectMs);
    AppendPhase(text, "加密", phases.tlsMs);
    AppendPhase(text, "首字节", phases.firstByteMs);
    return text;
}

std::string GetUnavailableReasonText(int status) {
    // The line page counts only 200 as a good line.
    if (status == 200)
        return std::string();
    // Appended piece by piece: GCC 12 at -O3 misreads a chain of + as overlapping copies.
    std::string text = UNAVAILABLE;
    HttpFailureKind kind = GetHttpFailureKind(status);
    const char* pstrText = FailureText(kind);
    if (kind == HttpFailureKind::HttpStatus || kind == HttpFailureKind::None) {
        text.append("HTTP 状态 ").append(std::to_string(status));
    } else if (pstrText != nullptr) {
        text.append(pstrText);
    } else {
        text.append("传输错误 ").append(std::to_string(status));
    }
    return text;
}

std::string GetLineToolTipText(const PtLineTestResult& result) {
    std::string strReason = GetUnavailableReasonText(result.status);
    std::string strPhases = GetPhaseTimesText(result.phases);
    if (strReason.empty() || strPhases.empty())
        return strReason.empty() ? strPhases : strReason;
    strReason.append(SEPARATOR).append(strPhases);
    return strReason;
}
