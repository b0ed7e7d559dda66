// Test seams of the HTTP client: its download limits, shortened so slow hosts end quickly.
#pragma once

namespace seam {

// The whole time one HttpDownload may take (HTTP_DOWNLOAD_TIME_LIMIT_SECONDS).
void SetDownloadTimeLimit(long nSeconds);
void ResetDownloadTimeLimit();

// A download slower than nBytesPerSecond for nSeconds ends (1 byte/s for 10 s).
void SetStallLimit(long nBytesPerSecond, long nSeconds);
void ResetStallLimit();

}  // namespace seam
