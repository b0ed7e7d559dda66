// The shell opener's refusals, and the paths and version the program reads about itself.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/kernel.h"
#include "platform/shell.h"

TEST(ShellWin, OnlyWebAddressesWithTheOpenVerbAreHandedOn) {
    struct Refused {
        const char* verb;
        const char* file;
    } const refused[] = {
        {"open", "ftp://127.0.0.1/"},
        {nullptr, "C:\\windows\\system32\\cmd.exe"},
        {nullptr, "file:///C:/windows/win.ini"},
        {"print", "http://127.0.0.1/"},
        {"runas", "https://127.0.0.1/"},
        {nullptr, "http://"},
        {nullptr, "http://127.0.0.1/\r\nx"},
        {nullptr, nullptr},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(std::string(r.verb ? r.verb : "(null)") + " " + (r.file ? r.file : "(null)"));
        HINSTANCE hResult = ShellExecuteA(nullptr, r.verb, r.file, nullptr, nullptr, SW_SHOWNORMAL);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(hResult), SE_ERR_NOASSOC);
    }
}

TEST(KernelWin, TheTemporaryPathEndsInASeparatorAndReportsItsSize) {
    char szPath[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(sizeof(szPath), szPath);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(n, std::strlen(szPath));
    EXPECT_EQ(szPath[n - 1], '\\');
    wchar_t szWide[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, szWide);
    EXPECT_EQ(szPath, platform::WideToAnsi(szWide));
    char szShort[2] = {'x', 'x'};
    EXPECT_EQ(GetTempPathA(sizeof(szShort), szShort), n + 1) << "the size it needs";
    EXPECT_EQ(szShort[0], 'x');
}

TEST(KernelWin, TheModulePathIsCutToTheBufferWithAnError) {
    char szPath[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    ASSERT_GT(n, 4u);
    EXPECT_STREQ(szPath + n - 4, ".exe");
    char szShort[4] = {};
    EXPECT_EQ(GetModuleFileNameA(nullptr, szShort, sizeof(szShort)), sizeof(szShort));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(szShort), std::string(szPath, 3));
}

namespace {

// "a.b.c.d" from the file's version block, or empty.
std::string ProductVersion(const std::string& strPath) {
    DWORD dwHandle = 0;
    DWORD dwSize = GetFileVersionInfoSizeA(strPath.c_str(), &dwHandle);
    if (dwSize == 0)
        return {};
    std::unique_ptr<char[]> block(new char[dwSize]);
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT nLength = 0;
    if (!GetFileVersionInfoA(strPath.c_str(), dwHandle, dwSize, block.get()) ||
        !VerQueryValueA(block.get(), "\\", reinterpret_cast<LPVOID*>(&pInfo), &nLength))
        return {};
    return std::to_string(HIWORD(pInfo->dwProductVersionMS)) + "." +
           std::to_string(LOWORD(pInfo->dwProductVersionMS)) + "." +
           std::to_string(HIWORD(pInfo->dwProductVersionLS)) + "." +
           std::to_string(LOWORD(pInfo->dwProductVersionLS));
}

}  // namespace

TEST(KernelWin, TheVersionBlockIsReadUnderAChinesePathToo) {
    char szSelf[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, szSelf, MAX_PATH), 0u);
    EXPECT_EQ(ProductVersion(szSelf), LUMORA_PRODUCT_VERSION);

    char szTemp[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathA(sizeof(szTemp), szTemp), 0u);
    std::string strDir = std::string(szTemp) + "版本测试";
    std::filesystem::path dir(platform::AnsiToWide(strDir.c_str()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(platform::AnsiToWide(szSelf), dir / L"copy.exe",
                               std::filesystem::copy_options::overwrite_existing);
    std::string strCopy = strDir + "\\copy.exe";
    EXPECT_EQ(_access(strCopy.c_str(), 0), 0);
    EXPECT_EQ(ProductVersion(strCopy), LUMORA_PRODUCT_VERSION);
    std::filesystem::remove_all(dir);
}
