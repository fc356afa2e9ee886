// Lobby requests to a relay host: the request URL travels as one record of kind 10 over a
// fresh TCP connection, the answer comes back as entry records closed by "END", and the
// reply text is what an HTTP lobby would have answered ("code|entry#entry"). An exchange
// runs wholly on its calling thread and shares nothing with netTransport.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "net/net_message.h"

using TUrlPairs = std::vector<std::pair<std::string, std::string>>;

// token := source up to the first separator; source loses both. Without a separator the
// token is the whole source and source becomes empty.
void takeToken(char separator, std::string& source, std::string& token);
// The value of the first pair whose key equals key without regard to case; "" when none.
std::string findUrlKey(const TUrlPairs& pairs, const std::string& key);
// The relay command of a lobby action ("GET_GAMELIST" 3 …), 0 when unknown.
int relayCommand(const std::string& action);
// Fills a relay request record from a URL host?key=value&…; false for more than 6 pairs.
bool parseLobbyUrl(const std::string& url, bool hostOnly, TNetMessage& record);

// One exchange: its connection, the answer records and the reply they make.
class TSimpleCS {
 public:
  static constexpr int kMaxReplies = 101;
  std::vector<TNetMessage> replies;
  std::string replyText;
  int32_t resultCode = 0;
  uint8_t buffer[400] = {};
  int32_t fill = 0;
  int32_t exchangeState = 0;  // 0 idle, 1 connecting, 2 connected, 3 request sent
  bool done = false;
  bool failed = false;
  std::string bindAddress;    // the local address to connect from; empty: any

  // True when the answer ended with "END" and nothing failed; then replyText is built.
  bool request(const TNetMessage& record, const std::string& host, uint32_t timeoutMs, uint16_t port);
  void buildReplyText();
  // The answer's bytes: 1 "END" taken, -1 a record with wrong magic values, 0 more to come.
  int onRead(NetStream& stream);
};

// One lobby request slot. get may run on any thread; another thread reads the outcome once
// finished() answers true (the outcome is published with release, read with acquire).
class TPseudoNMHttp {
 public:
  int32_t port = 0;               // the relay host's request port
  uint32_t timeoutMs = 7050;
  std::string bindAddress;

  void get(const std::string& url, const std::string& playerName, const std::string& gameTag);
  bool finished() const { return finished_.load(std::memory_order_acquire); }
  const std::string& reply() const { return reply_; }
  bool done() const { return done_; }
  bool failed() const { return failed_; }

 private:
  std::string reply_;
  bool done_ = false;
  bool failed_ = false;
  std::atomic<bool> finished_{false};
};
