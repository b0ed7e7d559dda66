// Parses lumora-sim's flags into a profile.
#include "tools/sim/SimOptions.h"

#include <charconv>

#include "app/util/Utilities.h"

namespace {

bool ParseInt(const std::string& text, int low, int high, int& out) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParsePort(const std::string& text, int& out) {
    return ParseInt(text, 0, 65535, out);
}

// PORT:LATENCY_MS:BEHAVIOUR[:STATUS]
bool ParseLine(const std::string& text, SimHostConfig& host) {
    std::vector<std::string> parts;
    SplitString(parts, text, ":");
    if (parts.size() < 3 || parts.size() > 4)
        return false;
    if (!ParsePort(parts[0], host.port) || !ParseInt(parts[1], 0, 600000, host.probeLatencyMs) ||
        !ParseSimProbeBehaviour(parts[2], host.behaviour))
        return false;
    if (parts.size() == 4)
        return ParseInt(parts[3], 100, 599, host.status);
    if (host.behaviour == SimProbeBehaviour::Status)
        host.status = 500;
    return true;
}

struct Parser {
    SimProfile& profile;
    std::string& error;
    bool linesGiven = false;

    bool Flag(const std::string& name, const std::string& value) {
        SimQueryMode mode;
        if (name == "--seed-port")
            return ParsePort(value, profile.seed.port);
        if (name == "--update-port")
            return ParsePort(value, profile.updatePort);
        if (name == "--seed-latency")
            return ParseInt(value, 0, 600000, profile.seed.probeLatencyMs);
        if (name == "--seed-query")
            return ParseSimQueryMode(value, profile.seed.query);
        if (name == "--announce-version") {
            profile.announcedVersion = value;
            return !value.empty();
        }
        if (name == "--query") {
            if (!ParseSimQueryMode(value, mode))
                return false;
            profile.seed.query = mode;
            for (SimHostConfig& line : profile.lines)
                line.query = mode;
            return true;
        }
        if (name == "--tls") {
            // The line host given last serves HTTPS, its handshake held back.
            if (!linesGiven)
                return false;
            profile.lines.back().tls = true;
            return ParseInt(value, 0, 600000, profile.lines.back().tlsDelayMs);
        }
        if (name == "--line") {
            if (!linesGiven)
                profile.lines.clear();
            linesGiven = true;
            SimHostConfig host;
            host.query = profile.seed.query;
            if (!ParseLine(value, host))
                return false;
            profile.lines.push_back(host);
            return true;
        }
        error = "unknown option " + name;
        return false;
    }
};

}  // namespace

SimCommand ParseSimOptions(const std::vector<std::string>& args, SimProfile& profile,
                           std::string& error) {
    profile = SimProfile::Default();
    Parser parser{profile, error};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return SimCommand::Help;
        if (arg == "--ephemeral") {
            profile = profile.WithEphemeralPorts();
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "missing value after " + arg;
            return SimCommand::Error;
        }
        if (!parser.Flag(arg, args[i + 1])) {
            if (error.empty())
                error = "bad value for " + arg + ": " + args[i + 1];
            return SimCommand::Error;
        }
        ++i;
    }
    return SimCommand::Run;
}

std::string SimUsage() {
    return "Usage: lumora-sim [options]\n"
           "Serves the platform's line hosts and the update server on 127.0.0.1 for the\n"
           "launcher. With no options it serves the default profile a fresh build expects.\n"
           "Stop it with Ctrl+C (SIGINT) or SIGTERM.\n\n"
           "  --seed-port N            seed host port (default 18400)\n"
           "  --seed-latency MS        seed host's probe latency (default 1900)\n"
           "  --seed-query MODE        seed host's line-query answer\n"
           "  --update-port N          HTTPS update server port (default 18443)\n"
           "  --announce-version V     version in the update manifest (default 1.0.6)\n"
           "  --line PORT:MS:BEHAVIOUR[:STATUS]\n"
           "                           a line host; repeat for several. The first --line\n"
           "                           replaces the default list (18401-18407).\n"
           "                           BEHAVIOUR: ok | status | nomarkers | hang | reset\n"
           "                           STATUS (for status, default 500): 100..599\n"
           "  --tls MS                 the line host given last serves HTTPS, its TLS\n"
           "                           handshake held back MS milliseconds\n"
           "  --query MODE             line-query answer of every host given so far\n"
           "                           MODE: ok | status500 | code0 | empty | malformed\n"
           "  --ephemeral              bind every port given so far to a free port\n"
           "  --help                   this text\n";
}

namespace {

std::string DescribeHost(const char* role, const std::string& address, const SimHostConfig& host) {
    std::string line = std::string(role) + (host.tls ? " https://" : " http://") + address + ":" +
                       std::to_string(host.port) + "  probe " +
                       SimProbeBehaviourName(host.behaviour);
    if (host.behaviour == SimProbeBehaviour::Status)
        line.append(" ").append(std::to_string(host.status));
    line += " after " + std::to_string(host.probeLatencyMs) + " ms";
    if (host.tls)
        line += ", handshake +" + std::to_string(host.tlsDelayMs) + " ms";
    line += ", query ";
    return line + SimQueryModeName(host.query) + "\n";
}

}  // namespace

std::string DescribeSimProfile(const SimProfile& profile) {
    std::string text = DescribeHost("seed  ", profile.bindAddress, profile.seed);
    for (const SimHostConfig& line : profile.lines)
        text += DescribeHost("line  ", profile.bindAddress, line);
    text += "update https://" + profile.bindAddress + ":" + std::to_string(profile.updatePort) +
            "  announces " + profile.announcedVersion + "\n";
    return text;
}
