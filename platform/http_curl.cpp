// The HTTP GET on libcurl: one easy handle per request, on the calling thread.
#include <curl/curl.h>

#include <mutex>

#include "platform/http.h"

namespace {

struct Transfer {
  std::string body;
  size_t maxBytes = 0;
  bool tooLong = false;
  const std::atomic<bool>* cancel = nullptr;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (t->body.size() + n > t->maxBytes) {
    t->tooLong = true;
    return 0;  // ends the transfer with a write error
  }
  t->body.append(data, n);
  return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* t = static_cast<Transfer*>(user);
  return t->cancel != nullptr && t->cancel->load(std::memory_order_acquire) ? 1 : 0;
}

void initOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

std::string httpEscapeUrl(const std::string& url) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : url) {
    if (c <= 0x20 || c >= 0x7f || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' || c == '`' ||
        c == '{' || c == '|' || c == '}') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += char(c);
    }
  }
  return out;
}

HttpResult httpGet(const std::string& url, uint32_t timeoutMs, size_t maxBytes, const std::atomic<bool>* cancel) {
  initOnce();
  HttpResult r;
  CURL* h = curl_easy_init();
  if (h == nullptr) {
    r.error = "no HTTP handle";
    return r;
  }
  Transfer t;
  t.maxBytes = maxBytes;
  t.cancel = cancel;
  const std::string escaped = httpEscapeUrl(url);
  char errorText[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(h, CURLOPT_URL, escaped.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_DEFAULT_PROTOCOL, "http");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // worker threads: no SIGALRM for name look-ups
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, long(timeoutMs));
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs));
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
  const CURLcode code = curl_easy_perform(h);
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &r.status);
  curl_easy_cleanup(h);
  if (t.tooLong) {
    r.error = "answer too long";
  } else if (code != CURLE_OK) {
    r.error = curl_easy_strerror(code);
  } else if (r.status >= 300) {
    r.error = "status " + std::to_string(r.status);
  } else {
    r.ok = true;
    r.body = std::move(t.body);
  }
  return r;
}
