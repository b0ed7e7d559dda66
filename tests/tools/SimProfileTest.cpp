// The simulator's default profile, its command line and its Base64 encoder.
#include <gtest/gtest.h>

#include <set>

#include "app/util/Utilities.h"
#include "tools/sim/Base64Encode.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimProfile.h"

namespace {

TEST(SimDefaultProfile, MatchesTheLauncherDeploymentValues) {
    SimProfile profile = SimProfile::Default();
    EXPECT_EQ("http://" + profile.bindAddress + ":" + std::to_string(profile.seed.port),
              LUMORA_SEED_HOST);
    EXPECT_EQ(profile.bindAddress + ":" + std::to_string(profile.updatePort), LUMORA_UPDATE_HOST);
    EXPECT_EQ(profile.seed.behaviour, SimProbeBehaviour::Ok);
    EXPECT_EQ(profile.announcedVersion, "1.0.6");  // a fresh 1.0.6.0 build is not outdated
}

TEST(SimDefaultProfile, LineHostsHaveNearbyPortsAndDistinctLatenciesAndBehaviours) {
    SimProfile profile = SimProfile::Default();
    ASSERT_GE(profile.lines.size(), 5u);
    std::set<int> ports, latencies;
    std::set<SimProbeBehaviour> behaviours;
    int usable200 = 0;
    for (const SimHostConfig& line : profile.lines) {
        ports.insert(line.port);
        behaviours.insert(line.behaviour);
        if (line.behaviour == SimProbeBehaviour::Ok) {
            latencies.insert(line.probeLatencyMs);
            ++usable200;
        }
        EXPECT_GT(line.port, profile.seed.port);
        EXPECT_LT(line.port, profile.seed.port + 20);
        EXPECT_EQ(line.query, SimQueryMode::Ok);
    }
    EXPECT_EQ(ports.size(), profile.lines.size());
    EXPECT_EQ(latencies.size(), size_t(usable200));
    EXPECT_GE(usable200, 3);  // the line page has three rows to fill
    EXPECT_EQ(behaviours.size(), 5u);

    SimProfile ephemeral = profile.WithEphemeralPorts();
    EXPECT_EQ(ephemeral.seed.port, 0);
    EXPECT_EQ(ephemeral.updatePort, 0);
    for (const SimHostConfig& line : ephemeral.lines)
        EXPECT_EQ(line.port, 0);
}

TEST(SimOptions, NoArgumentsGiveTheDefaultProfile) {
    SimProfile profile;
    std::string error;
    ASSERT_EQ(ParseSimOptions({}, profile, error), SimCommand::Run);
    EXPECT_EQ(DescribeSimProfile(profile), DescribeSimProfile(SimProfile::Default()));
    EXPECT_EQ(ParseSimOptions({"--help"}, profile, error), SimCommand::Help);
    EXPECT_NE(SimUsage().find("--line"), std::string::npos);
}

TEST(SimOptions, FlagsChangePortsLatenciesModesAndVersion) {
    SimProfile profile;
    std::string error;
    ASSERT_EQ(ParseSimOptions(
                  {"--seed-port", "19000", "--update-port", "19443", "--seed-latency", "5",
                   "--line", "19001:40:ok", "--tls", "120", "--line", "19002:0:status:404",
                   "--line", "19003:0:status", "--query", "code0", "--announce-version", "1.0.7"},
                  profile, error),
              SimCommand::Run)
        << error;
    EXPECT_EQ(profile.seed.port, 19000);
    EXPECT_EQ(profile.seed.probeLatencyMs, 5);
    EXPECT_EQ(profile.updatePort, 19443);
    ASSERT_EQ(profile.lines.size(), 3u);
    EXPECT_EQ(profile.lines[0].probeLatencyMs, 40);
    EXPECT_TRUE(profile.lines[0].tls);  // --tls applies to the line given last
    EXPECT_EQ(profile.lines[0].tlsDelayMs, 120);
    EXPECT_FALSE(profile.lines[1].tls);
    EXPECT_EQ(profile.lines[1].status, 404);
    EXPECT_EQ(profile.lines[2].status, 500);
    EXPECT_EQ(profile.lines[2].query, SimQueryMode::CodeZero);
    EXPECT_EQ(profile.seed.query, SimQueryMode::CodeZero);
    EXPECT_EQ(profile.announcedVersion, "1.0.7");
}

TEST(SimOptions, BadInputIsAnErrorWithAMessage) {
    SimProfile profile;
    std::string error;
    for (std::vector<std::string> args : {std::vector<std::string>{"--seed-port"},
                                          {"--seed-port", "70000"},
                                          {"--seed-port", "1x"},
                                          {"--line", "19001:40"},
                                          {"--line", "19001:40:fast"},
                                          {"--query", "sometimes"},
                                          {"--tls", "100"},  // no line given yet
                                          {"--line", "19001:40:ok", "--tls", "-1"},
                                          {"--bogus", "1"},
                                          {"--announce-version", ""}}) {
        error.clear();
        EXPECT_EQ(ParseSimOptions(args, profile, error), SimCommand::Error) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimBase64Encode, RoundTripsThroughTheLauncherDecoder) {
    for (std::string text : {std::string(), std::string("a"), std::string("ab"), std::string("abc"),
                             std::string("\x01\xFF\x80 zz", 6)}) {
        std::string encoded = Base64Encode(text);
        EXPECT_EQ(encoded.size() % 4, 0u);
        unsigned char out[64] = {};
        int capacity = sizeof(out);
        ASSERT_EQ(
            Base64Decode(int(encoded.size()),
                         reinterpret_cast<const unsigned char*>(encoded.data()), out, &capacity),
            1);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), size_t(capacity)), text);
    }
    EXPECT_EQ(Base64Encode("Man"), "TWFu");
    EXPECT_EQ(Base64Encode("Ma"), "TWE=");
}

}  // namespace
