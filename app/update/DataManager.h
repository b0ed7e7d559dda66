// The update check against the version manifest on the update server.
#pragma once

#include <string>

class CDataManager {
public:
    // The manifest and installer on the built-in update server.
    CDataManager();
    // Another manifest location, for tests.
    explicit CDataManager(std::string strManifestUrl);

    // True when the manifest announces a newer version than strCurVersion
    // (filled from the program's own version when empty). strNewVersion and
    // strPath receive the announced version and the download address.
    bool CheckUpdate(std::string& strCurVersion, std::string& strNewVersion, std::string& strPath);

    // The manifest body with braces and quotes removed, as read and traced.
    static std::string CleanManifest(const std::string& strBody);
    // The "version" value of a cleaned manifest, untrimmed; empty when absent.
    static std::string FindVersion(const std::string& strCleaned);
    // The program's product version without its last component ("1.0.6").
    static std::string OwnVersion();

    static std::string DefaultManifestUrl();
    static std::string DefaultDownloadUrl();

private:
    std::string m_strManifestUrl;
};
