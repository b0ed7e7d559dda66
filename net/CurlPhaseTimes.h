// Reads the phase times of a finished libcurl transfer.
#pragma once

#include <curl/curl.h>

#include "net/HttpPhaseTimes.h"

// The phases of the last transfer made on pCurl.
HttpPhaseTimes QueryHttpPhaseTimes(CURL* pCurl);
