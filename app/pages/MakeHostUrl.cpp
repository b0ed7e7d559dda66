// Moves a configured URL's path onto a line host.
#include "app/pages/MakeHostUrl.h"

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

}  // namespace

std::string MakeHostUrl(const std::string& urlIn, const std::string& hostIn) {
    std::string url = TrimSpaces(urlIn);
    std::string host = TrimSpaces(hostIn);
    if (url.find(host) != std::string::npos || url.empty())
        return url;
    size_t nStart = 0;
    if (url.find("http://") != std::string::npos)
        nStart = 7;
    else if (url.find("https://") != std::string::npos)
        nStart = 8;
    size_t nSlash = url.find('/', nStart);
    if (nSlash == std::string::npos || host.empty())
        return url;
    url = host + url.substr(nSlash);
    if (!HasScheme(url))
        url = "http://" + url;
    return url;
}
