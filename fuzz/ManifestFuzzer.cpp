// libFuzzer target: an update manifest through cleaning, version extraction and comparison.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/update/DataManager.h"
#include "app/update/VersionCompare.h"
#include "app/util/Utilities.h"

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string body(reinterpret_cast<const char*>(pData), nSize);
    std::string version =
        TrimString(CDataManager::FindVersion(CDataManager::CleanManifest(body)).c_str());
    // The order must hold for whatever the manifest announces: antisymmetric,
    // reflexive, and consistent across a third version taken from the input.
    std::string other = body.substr(0, body.size() / 2);
    const char* own = "1.0.6";
    int a = Sign(CompareVersions(version, other));
    if (a != -Sign(CompareVersions(other, version)) || CompareVersions(version, version) != 0)
        std::abort();
    int b = Sign(CompareVersions(other, own));
    int c = Sign(CompareVersions(version, own));
    if (a <= 0 && b <= 0 && c > 0)
        std::abort();
    if (a >= 0 && b >= 0 && c < 0)
        std::abort();
    return 0;
}
