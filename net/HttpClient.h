// Blocking HTTP and HTTPS requests over libcurl: GET and POST into memory, GET into a file.
#pragma once

#include <cstddef>
#include <string>

#include "net/HttpPhaseTimes.h"

// Bodies above this size end the transfer as a write error, so a broken or
// hostile host cannot make the launcher hold an unbounded answer in memory.
constexpr size_t HTTP_MAX_BODY_BYTES = 16u * 1024u * 1024u;

// Redirects HttpDownload follows before it gives up (CURLE_TOO_MANY_REDIRECTS).
constexpr long HTTP_MAX_REDIRECTS = 10;
// Whole time one HttpDownload call may take, redirects and retries included:
// a host that trickles bytes just above the stall limit still ends.
constexpr long HTTP_DOWNLOAD_TIME_LIMIT_SECONDS = 60;
// A download whose speed stays below this many bytes per second for this many
// seconds ends with a time-out, so shutdown never waits behind a stalled transfer.
constexpr long HTTP_STALL_BYTES_PER_SECOND = 1;
constexpr long HTTP_STALL_SECONDS = 10;

// GET into memory. status receives the HTTP response code of a completed
// transfer, else a libcurl error code (2 when no handle could be made).
// timeout <= 0 means 15 s, attempts <= 0 means 3. Redirects are not followed:
// for a 3xx answer with a target, the body returned is the target URL.
// pPhases, when given, receives the phase times of the last attempt, also of
// one that failed.
std::string HttpGet(const char* url, int& status, int timeout, int attempts,
                    HttpPhaseTimes* pPhases = nullptr);

// A failed transfer (status below 100) returns an empty body.
//
// Form POST of body into memory; one attempt, 5 s in total. status as HttpGet.
std::string HttpPost(int& status, const char* url, const char* body);

// GET into the file at path (code page 936), following redirects, up to 3
// attempts, with a "Referer" of the url's origin. Returns 0 on success, 2 when
// no handle could be made, -1 when the file cannot be created, 78 when the
// answer's status is outside 200..299, else a libcurl error code. The target
// is replaced only by a complete download; on failure an existing file stays.
int HttpDownload(const char* url, const char* path);

// libcurl body sink: appends size * count bytes to the std::string at buffer.
// Returns the count taken; anything else (null pointers, a body over
// HTTP_MAX_BODY_BYTES) makes libcurl end the transfer with a write error.
size_t HttpWriteToBuffer(void* data, size_t size, size_t count, void* buffer);

// Scheme, "://" and host of url, without the path; a url without a "/" after
// its host is returned whole.
std::string HttpUrlOrigin(const char* url);

// Ends every transfer in flight within a fraction of a second and refuses new
// ones, all with CURLE_ABORTED_BY_CALLBACK (42): shutdown calls it so that it
// never waits on the network. HttpAllowTransfers undoes it (start-up, tests).
void HttpStopAll();
void HttpAllowTransfers();
bool HttpIsStopping();
