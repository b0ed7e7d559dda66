// Moves a configured URL's path onto a line host.
#include "app/pages/MakeHostUrl.h"

#include <cctype>

namespace {

const char SPACES[] = " \t\r\n\v\f";

std::string TrimSpaces(const std::string& text) {
    size_t nBegin = text.find_first_not_of(SPACES);
    if (nBegin == std::string::npos)
        return std::string();
    size_t nEnd = text.find_last_not_of(SPACES);
    return text.substr(nBegin, nEnd - nBegin + 1);
}

bool HasScheme(const std::string& url) {
    return url.find("http://") != std::string::npos || url.find("https://") != std::string::npos;
}

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// Length of the scheme before "://", or 0 when the url starts with none (a
// "://" inside a query is not a scheme).
size_t SchemeLength(const std::string& url) {
    size_t nSep = url.find("://");
    if (nSep == std::string::npos || nSep == 0 || !std::isalpha(static_cast<unsigned char>(url[0])))
        return 0;
    for (size_t i = 0; i < nSep; ++i) {
        unsigned char ch = static_cast<unsigned char>(url[i]);
        if (!std::isalnum(ch) && ch != '+' && ch != '-' && ch != '.')
            return 0;
    }
    return nSep;
}

std::string DefaultPort(const std::string& scheme) {
    if (scheme == "http")
        return "80";
    return scheme == "https" ? "443" : std::string();
}

// "080" and "80" name the same port; text that is no number stays as it is.
std::string CanonicalPort(const std::string& port) {
    if (port.empty() || port.find_first_not_of("0123456789") != std::string::npos)
        return port;
    size_t nFirst = port.find_first_not_of('0');
    return nFirst == std::string::npos ? "0" : port.substr(nFirst);
}

}  // namespace

UrlOrigin GetUrlOrigin(const std::string& urlIn) {
    std::string url = TrimSpaces(urlIn);
    UrlOrigin origin;
    size_t nScheme = SchemeLength(url);
    origin.strScheme = nScheme != 0 ? Lower(url.substr(0, nScheme)) : "http";
    size_t nAuthority = nScheme != 0 ? nScheme + 3 : 0;
    size_t nEnd = url.find_first_of("/?#", nAuthority);
    std::string authority =
        url.substr(nAuthority, nEnd == std::string::npos ? nEnd : nEnd - nAuthority);
    size_t nAt = authority.rfind('@');
    if (nAt != std::string::npos)
        authority.erase(0, nAt + 1);
    // The colon of "[::1]" is part of the host, not a port separator.
    size_t nColon = authority.rfind(':');
    if (nColon != std::string::npos && authority.find(']', nColon) == std::string::npos) {
        origin.strPort = CanonicalPort(authority.substr(nColon + 1));
        authority.resize(nColon);
    }
    if (origin.strPort.empty())
        origin.strPort = DefaultPort(origin.strScheme);
    origin.strHost = Lower(authority);
    return origin;
}

bool IsSameOrigin(const std::string& first, const std::string& second) {
    UrlOrigin a = GetUrlOrigin(first);
    UrlOrigin b = GetUrlOrigin(second);
    return a.strScheme == b.strScheme && a.strHost == b.strHost && a.strPort == b.strPort;
}

std::string MakeHostUrl(const std::string& urlIn, const std::string& hostIn) {
    std::string url = TrimSpaces(urlIn);
    std::string host = TrimSpaces(hostIn);
    if (host.empty() || url.empty() || IsSameOrigin(url, host))
        return url;
    // The path starts after the scheme's "://" whatever its case ("HTTP://").
    size_t nScheme = SchemeLength(url);
    size_t nSlash = url.find('/', nScheme != 0 ? nScheme + 3 : 0);
    if (nSlash == std::string::npos)
        return url;
    url = host + url.substr(nSlash);
    if (!HasScheme(url))
        url = "http://" + url;
    return url;
}
