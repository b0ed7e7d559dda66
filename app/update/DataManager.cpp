// Reads the update manifest and compares its version with the program's own.
#include "app/update/DataManager.h"

#include <string_view>

#include "app/trace/Trace.h"
#include "app/update/VersionCompare.h"
#include "app/util/SplitPieces.h"
#include "app/util/Utilities.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"

#ifndef LUMORA_UPDATE_HOST
#define LUMORA_UPDATE_HOST "127.0.0.1:18443"
#endif

namespace {

const char VERSION_KEY[] = "version";

// The piece up to its last ",", or the whole piece without one.
std::string CutBeforeLastComma(std::string_view piece) {
    return std::string(piece.substr(0, piece.rfind(',')));
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
    // A later key overwrites an earlier one; a key in the last piece has no
    // value. The pieces are walked, not stored: a huge manifest costs no
    // memory per piece.
    CSplitPieces pieces(strCleaned, ":");
    std::string version;
    std::string_view previous, piece;
    for (bool first = true; pieces.Next(piece); first = false, previous = piece) {
        if (!first && previous.find(VERSION_KEY) != std::string_view::npos)
            version = CutBeforeLastComma(piece);
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
