// Phase times of real probes against simulated hosts that hold back the handshake and the answer.
#include <gtest/gtest.h>

#include <algorithm>

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/HttpFailureKind.h"
#include "support/CurlResetCodes.h"
#include "tools/sim/PlatformSimulator.h"

namespace {

// A host's delay is a floor: the phase is at least that long, less timer
// granularity. A loaded machine only adds time, so the ceiling is loose; it
// still tells the phases apart (each delay differs from the others by more).
const int TOLERANCE_MS = 20;
const int LOAD_SLACK_MS = 90;
const int TLS_DELAY_MS = 150;
const int FIRST_BYTE_DELAY_MS = 250;
const int PLAIN_FIRST_BYTE_DELAY_MS = 120;
const int BEST_OF = 5;

enum { TLS_HOST, PLAIN_HOST, RESET_HOST, HANGING_HOST };

class HttpPhaseTimesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimProfile profile = SimProfile::Default().WithEphemeralPorts();
        profile.seed.probeLatencyMs = 0;
        SimHostConfig tls;
        tls.tls = true;
        tls.tlsDelayMs = TLS_DELAY_MS;
        tls.probeLatencyMs = FIRST_BYTE_DELAY_MS;
        SimHostConfig plain;
        plain.probeLatencyMs = PLAIN_FIRST_BYTE_DELAY_MS;
        SimHostConfig reset;
        reset.behaviour = SimProbeBehaviour::Reset;
        SimHostConfig hang;
        hang.behaviour = SimProbeBehaviour::Hang;
        profile.lines = {tls, plain, reset, hang};
        ASSERT_TRUE(m_sim.Start(profile)) << m_sim.Error();
    }

    HttpPhaseTimes Probe(const std::string& host, int& status, int timeout = 5) {
        HttpPhaseTimes phases;
        HttpGet((host + PTLINE_PROBE_PATH + "1").c_str(), status, timeout, 1, &phases);
        return phases;
    }
    // Each phase's shortest of a few probes: a busy machine only ever adds
    // time (scheduling, the handshake's own arithmetic), so the shortest is
    // what the host itself held back.
    HttpPhaseTimes BestOf(const std::string& host, int& status) {
        HttpPhaseTimes best = Probe(host, status);
        for (int i = 1; i < BEST_OF; ++i) {
            HttpPhaseTimes next = Probe(host, status);
            best.lookupMs = std::min(best.lookupMs, next.lookupMs);
            best.connectMs = std::min(best.connectMs, next.connectMs);
            best.tlsMs = std::min(best.tlsMs, next.tlsMs);
            best.firstByteMs = std::min(best.firstByteMs, next.firstByteMs);
            best.totalMs = std::min(best.totalMs, next.totalMs);
        }
        return best;
    }
    std::string Line(int i) { return m_sim.LineUrls()[size_t(i)]; }
    static void ExpectHeldBack(int ms, int delayMs) {
        EXPECT_GE(ms, std::max(0, delayMs - TOLERANCE_MS));
        EXPECT_LT(ms, delayMs + LOAD_SLACK_MS);
    }

    CPlatformSimulator m_sim;
};

TEST_F(HttpPhaseTimesTest, EachPhaseLandsWhereTheHostHoldsItBack) {
    ASSERT_EQ(Line(TLS_HOST).rfind("https://", 0), 0u);
    int status = -1;
    HttpPhaseTimes phases = BestOf(Line(TLS_HOST), status);
    EXPECT_EQ(status, 200);
    ExpectHeldBack(phases.lookupMs, 0);   // a numeric host
    ExpectHeldBack(phases.connectMs, 0);  // loopback, no delay configured
    ExpectHeldBack(phases.tlsMs, TLS_DELAY_MS);
    ExpectHeldBack(phases.firstByteMs, FIRST_BYTE_DELAY_MS);
    ExpectHeldBack(phases.totalMs, TLS_DELAY_MS + FIRST_BYTE_DELAY_MS);
}

TEST_F(HttpPhaseTimesTest, PlainHostHasNoTlsPhase) {
    int status = -1;
    HttpPhaseTimes phases = BestOf(Line(PLAIN_HOST), status);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(phases.tlsMs, -1);
    ExpectHeldBack(phases.connectMs, 0);
    ExpectHeldBack(phases.firstByteMs, PLAIN_FIRST_BYTE_DELAY_MS);
}

TEST_F(HttpPhaseTimesTest, FailedTransfersNameTheirKindAndKeepThePhasesReached) {
    int status = -1;
    HttpPhaseTimes phases = Probe(Line(HANGING_HOST), status, 1);
    EXPECT_EQ(GetHttpFailureKind(status), HttpFailureKind::TimedOut);
    EXPECT_GE(phases.connectMs, 0);
    EXPECT_EQ(phases.firstByteMs, -1);  // no answer ever came

    // HTTPS spoken to a plain HTTP host: the handshake fails.
    std::string plain = Line(PLAIN_HOST);
    Probe("https" + plain.substr(4), status);
    EXPECT_EQ(GetHttpFailureKind(status), HttpFailureKind::Certificate) << status;

    Probe(Line(RESET_HOST), status);
    EXPECT_TRUE(testsupport::IsResetCode(status)) << status;
    HttpFailureKind kind = GetHttpFailureKind(status);
    EXPECT_TRUE(kind == HttpFailureKind::Reset || kind == HttpFailureKind::Refused);

    m_sim.Stop();  // nobody listens any more
    phases = Probe(plain, status);
    EXPECT_EQ(GetHttpFailureKind(status), HttpFailureKind::Refused) << status;
    EXPECT_EQ(phases.firstByteMs, -1);
}

TEST(HttpFailureKind, GroupsStatusesAsAUserWouldTellThemApart) {
    struct Case {
        int status;
        HttpFailureKind kind;
    } cases[] = {
        {200, HttpFailureKind::None},       {204, HttpFailureKind::None},
        {404, HttpFailureKind::HttpStatus}, {500, HttpFailureKind::HttpStatus},
        {302, HttpFailureKind::HttpStatus}, {28, HttpFailureKind::TimedOut},
        {7, HttpFailureKind::Refused},      {6, HttpFailureKind::NameLookup},
        {35, HttpFailureKind::Certificate}, {60, HttpFailureKind::Certificate},
        {52, HttpFailureKind::Reset},       {55, HttpFailureKind::Reset},
        {56, HttpFailureKind::Reset},       {3, HttpFailureKind::Other},
        {-1, HttpFailureKind::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetHttpFailureKind(c.status), c.kind) << c.status;
}

}  // namespace
