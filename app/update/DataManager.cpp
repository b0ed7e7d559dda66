// Reads the update manifest and compares its version with the program's own.
#include "app/update/DataManager.h"

#include <vector>

#include "app/trace/Trace.h"
#include "app/update/VersionCompare.h"
#include "app/util/Utilities.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"

#ifndef LUMORA_UPDATE_HOST
#define LUMORA_UPDATE_HOST "127.0.0.1:18443"
#endif

namespace {

const char VERSION_KEY[] = "version";

// The piece up to its last ",", or the whole piece without one.
std::string CutBeforeLastComma(const std::string& piece) {
    size_t comma = piece.rfind(',');
    return comma == std::string::npos ? piece : piece.substr(0, comma);
}

}  // namespace

CDataManager::CDataManager() : m_strManifestUrl(DefaultManifestUrl()) {}

CDataManager::CDataManager(std::string strManifestUrl)
    : m_strManifestUrl(std::move(strManifestUrl)) {}

std::string CDataManager::DefaultManifestUrl() {
    return std::string("https://") + LUMORA_UPDATE_HOST + UPDATE_MANIFEST_PATH;
}

std::string CDataManager::DefaultDownloadUrl() {
    return std::string("https://") + LUMORA_UPDATE_HOST + UPDATE_INSTALLER_PATH;
}

std::string CDataManager::OwnVersion() {
    std::string version = GetProductVersion(nullptr);
    size_t dot = version.rfind('.');
    return dot == std::string::npos ? version : version.substr(0, dot);
}

std::string CDataManager::CleanManifest(const std::string& strBody) {
    std::string text = Utf8ToAnsi(strBody.c_str());
    text = ReplaceAll(text, "{", "");
    text = ReplaceAll(text, "}", "");
    return ReplaceAll(text, "\"", "");
}

std::string CDataManager::FindVersion(const std::string& strCleaned) {
    std::vector<std::string> pieces;
    SplitString(pieces, strCleaned, ":");
    std::string version;
    // A later key overwrites an earlier one; a key in the last piece has no value.
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces[i].find(VERSION_KEY) != std::string::npos) {
            version = CutBeforeLastComma(pieces[i + 1]);
        }
    }
    return version;
}

bool CDataManager::CheckUpdate(std::string& strCurVersion, std::string& strNewVersion,
                               std::string& strPath) {
    if (strCurVersion.empty())
        strCurVersion = OwnVersion();
    TRACE_DEBUG("begin to check update ver[%s]", strCurVersion.c_str());
    int nStatus = 0;
    std::string body = HttpGet(m_strManifestUrl.c_str(), nStatus, -1, -1);
    if (nStatus < 200 || nStatus > 299) {
        TRACE_DEBUG("check update fail [%d]", nStatus);
        return false;
    }
    if (body.empty())
        return false;
    std::string cleaned = CleanManifest(body);
    std::string version = FindVersion(cleaned);
    if (version.empty()) {
        TRACE_DEBUG("invalid data format [%s]", cleaned.c_str());
        return false;
    }
    strNewVersion = TrimString(version.c_str());
    strPath = TrimString(DefaultDownloadUrl().c_str());
    TRACE_DEBUG("check update successed. new ver[%s], path[%s]", strNewVersion.c_str(),
                strPath.c_str());
    return CompareVersions(strNewVersion, strCurVersion) > 0;
}
