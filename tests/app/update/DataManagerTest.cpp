// Reading the manifest and checking for an update against a served manifest.
#include "app/update/DataManager.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "net/Endpoints.h"
#include "support/CaptureStderr.h"
#include "tools/sim/PlatformSimulator.h"

namespace {

std::string VersionOf(const std::string& body) {
    return CDataManager::FindVersion(CDataManager::CleanManifest(body));
}

// Runs the check against a simulator announcing the given version.
bool CheckAgainst(const std::string& announced, std::string current, std::string& newVersion,
                  std::string& trace) {
    SimProfile profile = SimProfile::Default().WithEphemeralPorts();
    profile.lines.clear();
    profile.announcedVersion = announced;
    CPlatformSimulator sim;
    EXPECT_TRUE(sim.Start(profile)) << sim.Error();
    CDataManager manager("https://" + sim.UpdateHost() + UPDATE_MANIFEST_PATH);
    std::string path;
    testsupport::CCaptureStderr capture;
    bool update = manager.CheckUpdate(current, newVersion, path);
    trace = capture.Text();
    EXPECT_EQ(path, CDataManager::DefaultDownloadUrl());
    return update;
}

}  // namespace

TEST(DataManager, ReadsTheVersionValue) {
    EXPECT_EQ(VersionOf("{\"version\":\"1.0.7\"}"), "1.0.7");
    EXPECT_EQ(CDataManager::CleanManifest("{\"version\":\"1.0.7\"}"), "version:1.0.7");
    // Further members end the value at the piece's last comma.
    EXPECT_EQ(VersionOf("{\"version\":\"1.0.7\",\"size\":3}"), "1.0.7");
    // Spaces and line breaks survive the reading; the check trims them.
    EXPECT_EQ(VersionOf("{\n  \"version\" : \" 1.0.8 \"\r\n}"), "  1.0.8 \r\n");
    EXPECT_EQ(VersionOf("{\"size\":3}"), "");
    EXPECT_EQ(VersionOf("{\"version\""), "");  // a key without a value sets nothing
    EXPECT_EQ(VersionOf("{\"version\":\"1\",\"version\":\"2\"}"), "2");
}

TEST(DataManager, OwnVersionDropsTheLastComponent) {
    std::string expected = LUMORA_PRODUCT_VERSION;
    expected.resize(expected.rfind('.'));
    EXPECT_EQ(CDataManager::OwnVersion(), expected);
}

TEST(DataManager, NewerAnnouncedVersionsOfferAnUpdate) {
    std::string newVersion, trace;
    EXPECT_TRUE(CheckAgainst("1.0.7", "1.0.6", newVersion, trace));
    EXPECT_EQ(newVersion, "1.0.7");
    EXPECT_NE(trace.find("CDataManager::CheckUpdate(app/update/DataManager.cpp["),
              std::string::npos);
    EXPECT_NE(trace.find("begin to check update ver[1.0.6]"), std::string::npos);
    EXPECT_NE(trace.find("check update successed. new ver[1.0.7], path[https://"),
              std::string::npos);
    EXPECT_TRUE(CheckAgainst("1.0.10", "1.0.9", newVersion, trace));
}

TEST(DataManager, EqualOrOlderVersionsOfferNone) {
    std::string newVersion, trace;
    EXPECT_FALSE(CheckAgainst("1.0.6", "1.0.6", newVersion, trace));
    EXPECT_EQ(newVersion, "1.0.6");
    EXPECT_FALSE(CheckAgainst("1.0.5", "", newVersion, trace));  // own version 1.0.6
}

TEST(DataManager, SpacedManifestWithFurtherMembersIsTrimmedBeforeComparing) {
    httplib::Server server;
    server.Get(UPDATE_MANIFEST_PATH, [](const httplib::Request&, httplib::Response& res) {
        res.set_content("{\n  \"version\" : \" 1.0.8 \",\r\n  \"size\": 3\n}", "application/json");
    });
    int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { server.listen_after_bind(); });
    CDataManager manager("http://127.0.0.1:" + std::to_string(port) + UPDATE_MANIFEST_PATH);
    std::string current = "1.0.6", newVersion, path;
    {
        testsupport::CCaptureStderr quiet;
        EXPECT_TRUE(manager.CheckUpdate(current, newVersion, path));
    }
    EXPECT_EQ(newVersion, "1.0.8");
    server.stop();
    thread.join();
}

TEST(DataManager, UnreachableServerOffersNone) {
    CDataManager manager("https://127.0.0.1:1" UPDATE_MANIFEST_PATH);
    std::string current = "1.0.6", newVersion, path;
    testsupport::CCaptureStderr capture;
    EXPECT_FALSE(manager.CheckUpdate(current, newVersion, path));
    EXPECT_NE(capture.Text().find("check update fail [7]"), std::string::npos);
    EXPECT_EQ(newVersion, "");
}
