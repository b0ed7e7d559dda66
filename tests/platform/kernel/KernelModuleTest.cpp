// Module handle, program path and temporary path.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/kernel.h"

TEST(KernelModule, ProgramModuleAndPath) {
    HMODULE self = GetModuleHandleA(nullptr);
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(GetModuleHandleA("other.dll"), nullptr);
    char path[MAX_PATH] = {0};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(path[0], '/');
    EXPECT_NE(std::string(path).find("tests_platform"), std::string::npos);
}

TEST(KernelModule, FileNameTruncatesLikeTheOriginal) {
    char full[MAX_PATH] = {0};
    DWORD n = GetModuleFileNameA(nullptr, full, MAX_PATH);
    char small[5];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof(small)), 5u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(small), std::string(full, 4));
    EXPECT_GT(n, 4u);
}

TEST(KernelModule, TempPathFromEnvironmentAlwaysEndsInSlash) {
    const char* old = getenv("TMPDIR");
    std::string saved = old ? old : "";
    char buf[MAX_PATH];

    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(GetTempPathA(MAX_PATH, buf), 9u);
    EXPECT_STREQ(buf, "/var/tmp/");

    setenv("TMPDIR", "/data/", 1);
    GetTempPathA(MAX_PATH, buf);
    EXPECT_STREQ(buf, "/data/");

    unsetenv("TMPDIR");
    GetTempPathA(MAX_PATH, buf);
    EXPECT_STREQ(buf, "/tmp/");
    // Too small a buffer reports the size needed, terminator included.
    EXPECT_EQ(GetTempPathA(3, buf), 6u);

    if (old)
        setenv("TMPDIR", saved.c_str(), 1);
}
