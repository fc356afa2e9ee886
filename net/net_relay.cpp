// Lobby requests through a relay host as table records.
#include "net/net_relay.h"

#include <algorithm>
#include <cctype>

namespace {
std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}
}  // namespace

void takeToken(char separator, std::string& source, std::string& token) {
  const size_t at = source.find(separator);
  if (at == std::string::npos) {
    token = source;
    source.clear();
    return;
  }
  token = source.substr(0, at);
  source.erase(0, at + 1);
}

std::string findUrlKey(const TUrlPairs& pairs, const std::string& key) {
  for (const auto& [k, v] : pairs)
    if (upper(k) == upper(key)) return v;
  return "";
}

int relayCommand(const std::string& action) {
  static const char* const kActions[] = {"GET_SERVERLIST", "GET_ROOMLIST", "GET_GAMELIST", "GET_IP",
                                         "GET_STATE",      "CREATE",       "CLOSE",        "IPREFRESH",
                                         "REBOOT",         "",             "ADDSERVER",    "GET_STATE2"};
  const std::string a = upper(action);
  for (int i = 0; i < 12; ++i)
    if (!a.empty() && a == kActions[i]) return i + 1;
  return 0;
}

bool parseLobbyUrl(const std::string& url, bool hostOnly, TNetMessage& record) {
  initMessageRecord(record);
  std::string rest = url, host;
  takeToken('?', rest, host);
  if (hostOnly) record.text = host;
  TUrlPairs pairs;
  while (!rest.empty()) {
    if (pairs.size() == 6) return false;
    std::string pair, key;
    takeToken('&', rest, pair);
    takeToken('=', pair, key);
    pairs.emplace_back(key, pair);
  }
  record.subKind = static_cast<uint8_t>(relayCommand(findUrlKey(pairs, "action")));
  if (!hostOnly) record.text = findUrlKey(pairs, "param1");
  const std::string local = findUrlKey(pairs, "local");
  record.seatBytes[3] = static_cast<int8_t>(local.size() == 1 && std::isdigit(static_cast<unsigned char>(local[0])) ? local[0] - '0' : 0);
  record.magic = kMagic;
  record.endMagic = kEndMagic;
  return true;
}

// [SECTION] the exchange

int TSimpleCS::onRead(NetStream& stream) {
  while (stream.available() > 0) {
    TNetMessage r;
    const int n = readMessageRecord(buffer, fill, stream, r);
    if (n == 2) {
      failed = true;
      return -1;
    }
    if (n != 1) continue;  // the record is not whole yet
    if (r.text.view() == "END") {
      resultCode = r.subKind;
      done = true;
      return 1;
    }
    if (replies.size() < size_t(kMaxReplies)) replies.push_back(r);
  }
  return 0;
}

bool TSimpleCS::request(const TNetMessage& record, const std::string& host, uint32_t timeoutMs, uint16_t port) {
  exchangeState = 0;
  done = failed = false;
  fill = 0;
  replies.clear();
  std::vector<uint8_t> bytes(kNetMessageSize);
  if (!encodeMessage(record, bytes.data())) {
    failed = true;
    return false;
  }
  exchangeState = 1;
  const int outcome = netExchange(host, port, bindAddress, bytes, timeoutMs, [this](NetStream& s) {
    exchangeState = 3;
    return onRead(s);
  });
  if (outcome < 0) failed = true;
  if (done && !failed) buildReplyText();
  return done && !failed;
}

void TSimpleCS::buildReplyText() {
  replyText = std::to_string(resultCode) + "|";
  for (size_t i = 0; i < replies.size(); ++i) {
    if (i > 0) replyText += "#";
    replyText += replies[i].text.view();
    if (replies[i].valueA >= 65) replyText += replies[i].sender.view();
  }
}

// [SECTION] one request

void TPseudoNMHttp::get(const std::string& url, const std::string& playerName, const std::string& gameTag) {
  finished_.store(false, std::memory_order_relaxed);
  std::string reply;
  bool done = false, failed = true;
  TNetMessage hostPart, r;
  if (parseLobbyUrl(url, true, hostPart) && parseLobbyUrl(url, false, r)) {
    r.text = (gameTag + std::string(r.text.view())).substr(0, kTextCapacity);
    r.kind = RELAYREQUEST;
    r.sender = playerName.substr(0, kSenderCapacity);
    TSimpleCS cs;
    cs.bindAddress = bindAddress;
    cs.request(r, std::string(hostPart.text.view()), timeoutMs, static_cast<uint16_t>(port));
    reply = cs.replyText;
    done = cs.done && !cs.failed;
    failed = cs.failed;
  }
  reply_ = reply;
  done_ = done;
  failed_ = failed;
  finished_.store(true, std::memory_order_release);
}
