// Tick count, debug output, version info and embedded resources.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "support/CaptureStderr.h"

TEST(KernelTime, TickCountMovesForwardAcrossASleep) {
    DWORD before = GetTickCount();
    Sleep(30);
    DWORD elapsed = GetTickCount() - before;  // unsigned difference survives a wrap
    EXPECT_GE(elapsed, 30u);
}

TEST(KernelDebugOutput, WritesUtf8ToStandardError) {
    testsupport::CCaptureStderr capture;
    OutputDebugStringA("line \xCF\xDF\xC2\xB7\n");  // "线路" in code page 936
    OutputDebugStringA(nullptr);
    EXPECT_EQ(capture.Text(), "line \xE7\xBA\xBF\xE8\xB7\xAF\n");
}

TEST(KernelDebugOutput, ConcurrentLinesNeverMix) {
    testsupport::CCaptureStderr capture;
    const std::string lines[2] = {std::string(300, 'a') + "\n", std::string(300, 'b') + "\n"};
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i)
                OutputDebugStringA(lines[t].c_str());
        });
    for (auto& th : threads)
        th.join();
    std::string text = capture.Text();
    ASSERT_EQ(text.size(), 2u * 200u * 301u);
    for (size_t pos = 0; pos < text.size(); pos += 301) {
        std::string line = text.substr(pos, 301);
        EXPECT_TRUE(line == lines[0] || line == lines[1]) << "mixed line at " << pos;
    }
}

TEST(KernelVersionInfo, ProgramReportsTheBuildProductVersion) {
    char self[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    DWORD handle = 1;
    DWORD size = GetFileVersionInfoSizeA(self, &handle);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(handle, 0u);
    std::vector<unsigned char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(self, 0, size, block.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID*>(&info), &len));
    EXPECT_EQ(len, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(info->dwSignature, VS_FFI_SIGNATURE);
    char expected[64];
    std::snprintf(expected, sizeof(expected), "%u.%u.%u.%u", HIWORD(info->dwProductVersionMS),
                  LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS),
                  LOWORD(info->dwProductVersionLS));
    EXPECT_STREQ(expected, LUMORA_PRODUCT_VERSION);
    LPVOID other = nullptr;
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\StringFileInfo", &other, &len));
    EXPECT_FALSE(GetFileVersionInfoA(self, 0, size - 1, block.data()));
}

TEST(KernelVersionInfo, OtherFilesHaveNoVersionResource) {
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeA("/bin/sh", &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA("/no/such/file", &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, &handle), 0u);
    unsigned char block[256];
    EXPECT_FALSE(GetFileVersionInfoA("/bin/sh", 0, sizeof(block), block));
}

TEST(KernelResources, RegisteredBlobsAreFoundByTypeAndId) {
    static const char blob[] = "PK-bytes";
    static const char other[] = "xyz";
    platform::RegisterEmbeddedResource("TESTRES", 129, blob, sizeof(blob) - 1);
    platform::RegisterEmbeddedResource(MAKEINTRESOURCEA(10), 7, other, 3);
    HMODULE module = GetModuleHandleA(nullptr);

    HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(129), "TESTRES");
    ASSERT_NE(res, nullptr);
    EXPECT_EQ(SizeofResource(module, res), sizeof(blob) - 1);
    EXPECT_EQ(LockResource(LoadResource(module, res)), static_cast<const void*>(blob));
    EXPECT_EQ(FindResourceA(nullptr, "#129", "TESTRES"), res);  // named form of the id

    HRSRC numeric = FindResourceA(module, MAKEINTRESOURCEA(7), MAKEINTRESOURCEA(10));
    ASSERT_NE(numeric, nullptr);
    EXPECT_EQ(SizeofResource(module, numeric), 3u);

    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(130), "TESTRES"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(129), "testres"), res);
    EXPECT_EQ(FindResourceA(module, "name", "TESTRES"), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}
