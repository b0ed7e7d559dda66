// The simulator's QR codes scan (zbarimg) to the mobile download addresses, which it also serves.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "net/HttpClient.h"
#include "tools/sim/PlatformSimulator.h"
#include "tools/sim/SimQrCode.h"

namespace {

// What zbarimg reads in the file, one text a line; "" when it finds no code or
// is missing. Its complaints (no D-Bus here) go to standard error, left out.
std::string Scan(const std::string& path) {
    std::string text;
    FILE* pipe = popen(("zbarimg --raw -q '" + path + "' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return "zbarimg cannot run";
    char buffer[1024];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        text += buffer;
    pclose(pipe);
    return text;
}

class SimQrCodeTest : public ::testing::Test {
protected:
    std::string Fetch(const std::string& path, int& status) {
        return HttpGet((sim.LineUrls()[0] + path).c_str(), status, 5, 1);
    }
    std::string ScanServed(const std::string& path, const char* pstrSuffix) {
        int status = -1;
        std::string image = Fetch(path, status);
        EXPECT_EQ(status, 200) << path;
        std::string file = ::testing::TempDir() + "lumora_sim_qr" + pstrSuffix;
        std::ofstream(file, std::ios::binary) << image;
        std::string text = Scan(file);
        std::remove(file.c_str());
        return text;
    }

    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    CPlatformSimulator sim;
};

TEST_F(SimQrCodeTest, JpegAndPngScanToTheirAddressesShortAndLong) {
    const std::string longPath = "/m/" + std::string(180, 'x');
    for (const std::string& base : {std::string(), std::string("http://127.0.0.1:9")}) {
        if (!base.empty()) {
            profile.mobileUrl = base + longPath;  // a code too big for 87 pixels at 2 a module
            profile.mobileGjUrl = base + "/m/gj?lang=zh";
        }
        SCOPED_TRACE(profile.mobileUrl);
        ASSERT_TRUE(sim.Start(profile)) << sim.Error();
        EXPECT_EQ(ScanServed(profile.qrJpegPath, ".jpg"), profile.mobileUrl + "\n");
        EXPECT_EQ(ScanServed(profile.qrPngPath, ".png"), profile.mobileGjUrl + "\n");
        sim.Stop();
    }
}

TEST_F(SimQrCodeTest, EveryLineHostServesTheDownloadPages) {
    ASSERT_TRUE(sim.Start(profile)) << sim.Error();
    for (const std::string& url : {profile.mobileUrl, profile.mobileGjUrl}) {
        int status = -1;
        std::string page = Fetch(url.substr(url.find('/', url.find("://") + 3)), status);
        EXPECT_EQ(status, 200) << url;
        EXPECT_NE(page.find(url), std::string::npos) << page;
    }
}

TEST(SimQrImage, ModulesAreWholePixelsInsideALightQuietZone) {
    SimQrImage image = MakeSimQrImage(LUMORA_MOBILE_URL, 87);
    ASSERT_EQ(image.nSize, 87);
    for (int i = 0; i < 87; ++i) {  // the outermost ring is light all round
        EXPECT_EQ(image.grey[size_t(i)], 255);
        EXPECT_EQ(image.grey[size_t(86 * 87 + i)], 255);
        EXPECT_EQ(image.grey[size_t(i * 87)], 255);
        EXPECT_EQ(image.grey[size_t(i * 87 + 86)], 255);
    }
    EXPECT_EQ(MakeSimQrImage("", 87).nSize, 0);
    EXPECT_GT(MakeSimQrImage(std::string(1000, 'a'), 87).nSize, 87);  // grows, stays readable
}

}  // namespace
