// The simulator in-process on ephemeral ports, read with the launcher's own client and utilities.
#include "tools/sim/PlatformSimulator.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <thread>

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "support/CurlResetCodes.h"
#include "tools/SimTestSupport.h"

namespace {

class PlatformSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        profile = SimProfile::Default().WithEphemeralPorts();
        profile.seed.probeLatencyMs = 0;
        for (SimHostConfig& line : profile.lines)
            line.probeLatencyMs = 0;
    }
    void StartSim() { ASSERT_TRUE(sim.Start(profile)) << sim.Error(); }
    std::string Probe(const std::string& host, int& status, int timeout = 5) {
        std::string url = host + PTLINE_PROBE_PATH + "4242";
        return HttpGet(url.c_str(), status, timeout, 1);
    }
    std::string Query(const std::string& host, int& status) {
        return HttpPost(status, (host + PTLINE_QUERY_PATH).c_str(), PTLINE_QUERY_BODY);
    }

    SimProfile profile;
    CPlatformSimulator sim;
};

TEST_F(PlatformSimulatorTest, LineQueryDecodesToTheConfiguredHostsOnEveryHost) {
    StartSim();
    std::vector<std::string> expected = sim.LineUrls();
    ASSERT_EQ(expected.size(), profile.lines.size());
    for (const std::string& host : {sim.SeedUrl(), expected[0], expected[3]}) {
        int status = -1;
        std::string body = Query(host, status);
        EXPECT_EQ(status, 200);
        std::vector<std::string> hosts;
        EXPECT_TRUE(DecodeLineQueryAnswer(body, hosts)) << body;
        EXPECT_EQ(hosts, expected);
    }
}

TEST_F(PlatformSimulatorTest, LineQueryFailureModes) {
    profile.seed.query = SimQueryMode::Status500;
    profile.lines[0].query = SimQueryMode::CodeZero;
    profile.lines[1].query = SimQueryMode::EmptyArray;
    profile.lines[2].query = SimQueryMode::Malformed;
    StartSim();
    std::vector<std::string> lines = sim.LineUrls();
    int status = -1;
    std::vector<std::string> hosts;
    Query(sim.SeedUrl(), status);
    EXPECT_EQ(status, 500);
    for (int i = 0; i < 3; ++i) {
        std::string body = Query(lines[size_t(i)], status);
        EXPECT_EQ(status, 200);
        EXPECT_FALSE(DecodeLineQueryAnswer(body, hosts)) << body;
    }
}

TEST_F(PlatformSimulatorTest, ProbeBehaviours) {
    profile.lines[5].behaviour = SimProbeBehaviour::Status;  // replace the hang for speed
    profile.lines[5].status = 404;
    StartSim();
    std::vector<std::string> lines = sim.LineUrls();
    int status = -1;
    EXPECT_EQ(Probe(lines[0], status), "jQuery4242({\"msg\":\"ok\"})");
    EXPECT_EQ(status, 200);
    std::string body = Probe(lines[3], status);
    EXPECT_EQ(status, 500);
    EXPECT_NE(body.find("msg"), std::string::npos);
    Probe(lines[5], status);
    EXPECT_EQ(status, 404);
    body = Probe(lines[4], status);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(body.find("msg"), std::string::npos);
    EXPECT_EQ(Probe(lines[6], status), "");
    EXPECT_TRUE(testsupport::IsResetCode(status)) << status;
}

TEST_F(PlatformSimulatorTest, HangingProbeRunsIntoTheLimitAndStopWakesIt) {
    StartSim();
    std::string hang = sim.LineUrls()[5];
    int status = -1;
    EXPECT_EQ(Probe(hang, status, 1), "");
    EXPECT_EQ(status, 28);

    // The first request's handler hangs on after its client gave up; a stop
    // before the second request arrives would refuse it instead of waking it.
    ASSERT_TRUE(sim.Content().stop.WaitForWaiters(1, 30000));
    int lateStatus = -1;
    std::thread client([&] { Probe(hang, lateStatus, 30); });
    bool bothInside = sim.Content().stop.WaitForWaiters(2, 30000);
    sim.Stop();
    client.join();
    ASSERT_TRUE(bothInside);
    EXPECT_EQ(lateStatus, 503);  // the handler gave up at once, no time-out
}

TEST_F(PlatformSimulatorTest, QrImagesDecodeAndInstallerIsServed) {
    StartSim();
    std::string dir = ::testing::TempDir();
    for (const std::string& path : {profile.qrJpegPath, profile.qrPngPath}) {
        int status = -1;
        std::string image = HttpGet((sim.LineUrls()[0] + path).c_str(), status, 5, 1);
        EXPECT_EQ(status, 200);
        int w = 0, h = 0, n = 0;
        unsigned char* pixels = stbi_load_from_memory(
            reinterpret_cast<const unsigned char*>(image.data()), int(image.size()), &w, &h, &n, 4);
        ASSERT_NE(pixels, nullptr) << path;
        EXPECT_EQ(w, 87);
        EXPECT_EQ(h, 87);
        stbi_image_free(pixels);
    }
    std::string target = dir + "lumora_sim_installer.exe";
    EXPECT_EQ(HttpDownload((sim.SeedUrl() + UPDATE_INSTALLER_PATH).c_str(), target.c_str()), 0);
    std::remove(target.c_str());
}

TEST_F(PlatformSimulatorTest, UpdateServerAnswersOverHttpsWithTheAnnouncedVersion) {
    profile.announcedVersion = "1.0.7";
    StartSim();
    std::string base = "https://" + sim.UpdateHost();
    int status = -1;
    std::string manifest = HttpGet((base + UPDATE_MANIFEST_PATH).c_str(), status, 5, 1);
    EXPECT_EQ(status, 200);
    EXPECT_NE(manifest.find("\"version\":\"1.0.7\""), std::string::npos) << manifest;
    std::string installer = HttpGet((base + UPDATE_INSTALLER_PATH).c_str(), status, 5, 1);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(installer, sim.Content().assets.installer);
    EXPECT_EQ(installer.substr(0, 2), "MZ");
}

TEST_F(PlatformSimulatorTest, BusyPortFailsStartAndLeavesNothingRunning) {
    StartSim();
    CPlatformSimulator second;
    SimProfile clash = profile;
    clash.lines[2].port = sim.LinePorts()[2];
    EXPECT_FALSE(second.Start(clash));
    EXPECT_FALSE(second.IsRunning());
    EXPECT_NE(second.Error().find(std::to_string(clash.lines[2].port)), std::string::npos);
}

}  // namespace
