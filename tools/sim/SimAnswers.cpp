// Line-query, probe and manifest bodies in the shapes the launcher reads.
#include "tools/sim/SimAnswers.h"

#include "app/util/Utilities.h"
#include "net/Endpoints.h"
#include "tools/sim/Base64Encode.h"

std::string EncodeLineHost(const std::string& url) {
    // The XOR is its own inverse, so the launcher's decoder scrambles too.
    std::string scrambled = XorDecode(url.c_str());
    if (scrambled.size() != url.size())
        return std::string();
    return Base64Encode(scrambled);
}

namespace {

std::string EncodedArray(const std::vector<std::string>& urls) {
    std::string array = "[";
    for (const std::string& url : urls) {
        std::string encoded = EncodeLineHost(url);
        if (encoded.empty())
            continue;
        if (array.size() > 1)
            array += ",";
        array += "\"" + encoded + "\"";
    }
    return array + "]";
}

// "result" is followed by a further member, as the launcher's reader needs.
std::string QueryObject(const char* code, const std::string& array) {
    return std::string("{\"code\":") + code + ",\"result\":" + array + ",\"msg\":\"success\"}";
}

}  // namespace

SimAnswer BuildLineQueryAnswer(SimQueryMode mode, const std::vector<std::string>& urls) {
    switch (mode) {
        case SimQueryMode::Ok:
            return {200, QueryObject("1", EncodedArray(urls))};
        case SimQueryMode::Status500:
            return {500, "{\"code\":500,\"msg\":\"internal error\"}"};
        case SimQueryMode::CodeZero:
            return {200, QueryObject("0", EncodedArray(urls))};
        case SimQueryMode::EmptyArray:
            return {200, QueryObject("1", "[]")};
        case SimQueryMode::Malformed:
            return {200, "{\"code\":1,\"result\":"};
    }
    return {500, std::string()};
}

std::string BuildProbeAnswer(const std::string& callback, bool withMarkers) {
    return callback + (withMarkers ? "({\"msg\":\"ok\"})" : "({\"code\":0})");
}

std::string BuildManifest(const std::string& version) {
    return "{\"version\":\"" + version + "\",\"path\":\"" UPDATE_INSTALLER_PATH "\"}";
}
