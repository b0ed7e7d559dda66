// Groups libcurl's error codes into the failures a user can tell apart.
#include "net/HttpFailureKind.h"

#include <curl/curl.h>

HttpFailureKind GetHttpFailureKind(int status) {
    if (status >= 200 && status <= 299)
        return HttpFailureKind::None;
    if (status >= 100)
        return HttpFailureKind::HttpStatus;
    switch (status) {
        case CURLE_OPERATION_TIMEDOUT:
            return HttpFailureKind::TimedOut;
        case CURLE_COULDNT_CONNECT:
            return HttpFailureKind::Refused;
        case CURLE_COULDNT_RESOLVE_HOST:
            return HttpFailureKind::NameLookup;
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CACERT_BADFILE:
            return HttpFailureKind::Certificate;
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
            return HttpFailureKind::Reset;
        default:
            return HttpFailureKind::Other;
    }
}
