// Moves a configured URL's path onto a line host.
#pragma once

#include <string>

// Scheme and host in lower case, port in decimal without leading zeros or
// the scheme's default (80, 443) when none is written. A url without a
// scheme is taken as "http".
struct UrlOrigin {
    std::string strScheme;
    std::string strHost;
    std::string strPort;
};

UrlOrigin GetUrlOrigin(const std::string& url);
// Same scheme, host and port: "http://h" and "HTTP://H:80/x" are one origin,
// "http://h:1840" and "http://h:18400" are not.
bool IsSameOrigin(const std::string& first, const std::string& second);

// The url unchanged when it is already on the host's origin (or is empty,
// or has no path, or the host is empty); otherwise host + the url's path,
// with "http://" when neither has a scheme.
std::string MakeHostUrl(const std::string& url, const std::string& host);
