// Paths and bodies of the platform's web endpoints and of the update server.
#pragma once

// Line query: POSTed to a line host with the form body below; one attempt, 5 s.
#define PTLINE_QUERY_PATH "/tavex/api/query-center/line/getValidLines"
#define PTLINE_QUERY_BODY "lineType=4&platformId=5"
// The answer's "code" member is this bare number when the query succeeded.
#define PTLINE_QUERY_SUCCESS_CODE "1"

// Speed probe: GET of a line host + this path + the caller's tick count in
// decimal, so every probe names its own JSONP callback.
#define PTLINE_PROBE_PATH "/lottery/api/call/v1/lottery/link_test_callback?callback=jQuery"
// The answer is recognised by containing both texts.
#define PTLINE_PROBE_MARKER_MSG "msg"
#define PTLINE_PROBE_MARKER_OK "ok"

// Update server (HTTPS): the version manifest and the installer.
#define UPDATE_MANIFEST_PATH "/static/client/velgate/version.json"
#define UPDATE_INSTALLER_PATH "/static/client/velgate/kestova.exe"
