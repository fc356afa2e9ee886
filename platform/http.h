// One HTTP GET, run wholly on the calling thread, so a worker thread may run it while the
// main thread goes on with its frames. Nothing outside platform/ sees the HTTP library.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

struct HttpResult {
  bool ok = false;      // a whole answer of status 2xx within the limits
  long status = 0;      // the HTTP status, 0 when none came
  std::string body;     // the answer's bytes (empty unless ok)
  std::string error;    // why it failed, for the log; never holds the address's query
};

// GETs url ("http://" or "https://"; other schemes fail, and an address without a scheme
// is taken as http). https checks the certificate and the host name. Fails when no whole
// answer came within timeoutMs, when the body grows past maxBytes, when *cancel becomes
// true (checked while the transfer runs) or on status 300 and above; redirects are not
// followed. Bytes a URL may not hold (blanks, control and 8-bit characters) travel
// percent-encoded.
HttpResult httpGet(const std::string& url, uint32_t timeoutMs, size_t maxBytes,
                   const std::atomic<bool>* cancel = nullptr);
// The url with every byte a URL may not hold percent-encoded.
std::string httpEscapeUrl(const std::string& url);
