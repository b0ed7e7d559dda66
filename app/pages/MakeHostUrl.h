// Moves a configured URL's path onto a line host.
#pragma once

#include <string>

// The url unchanged when it already names the host (or is empty, or has no
// path); otherwise host + the url's path, with "http://" when neither has a scheme.
std::string MakeHostUrl(const std::string& url, const std::string& host);
