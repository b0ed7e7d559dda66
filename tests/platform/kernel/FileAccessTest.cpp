// _access: existence and permission questions as the C runtime answers them.
#include <errno.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/kernel.h"

namespace {

class FileAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/lumora-access-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        m_strDir = dir;
        // "线路.txt": created by its UTF-8 name, asked for in code page 936.
        std::ofstream(m_strDir + "/\xE7\xBA\xBF\xE8\xB7\xAF.txt") << "x";
        m_strFile = m_strDir + "/\xCF\xDF\xC2\xB7.txt";
    }
    void TearDown() override { std::filesystem::remove_all(m_strDir); }
    std::string m_strDir, m_strFile;
};

TEST_F(FileAccessTest, ExistingFileAnswersEveryValidMode) {
    for (int nMode : {0, 2, 4, 6})
        EXPECT_EQ(_access(m_strFile.c_str(), nMode), 0) << nMode;
    EXPECT_EQ(_access(m_strDir.c_str(), 0), 0);  // a folder exists too
}

TEST_F(FileAccessTest, MissingPathIsMinusOneWithNoEntry) {
    std::string missing = m_strDir + "/absent.txt";
    for (int nMode : {0, 2, 4, 6}) {
        errno = 0;
        EXPECT_EQ(_access(missing.c_str(), nMode), -1) << nMode;
        EXPECT_EQ(errno, ENOENT) << nMode;
    }
}

TEST_F(FileAccessTest, NullPathAndUnknownModesAreInvalid) {
    struct Case {
        const char* pstrPath;
        int nMode;
    };
    const Case cases[] = {{nullptr, 0},           {m_strFile.c_str(), 1},  {m_strFile.c_str(), 3},
                          {m_strFile.c_str(), 7}, {m_strFile.c_str(), -1}, {m_strFile.c_str(), 8}};
    for (const Case& c : cases) {
        errno = 0;
        EXPECT_EQ(_access(c.pstrPath, c.nMode), -1) << c.nMode;
        EXPECT_EQ(errno, EINVAL) << c.nMode;
    }
}

}  // namespace
