// Our stand-in for a lobby server: answers GETs from a table of replies by path and ACTION,
// records every request's target (decoded) in arrival order. Runs on its own thread.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

class FakeLobby {
 public:
  FakeLobby(const std::string& address, int port);
  ~FakeLobby();
  // "http://address:port" + path.
  std::string url(const std::string& path) const;
  // The body answered to path?ACTION=action; a request without a reply gets status 404.
  void reply(const std::string& path, const std::string& action, const std::string& body);
  std::vector<std::string> targets();
  void clearTargets();

 private:
  std::string address_;
  int port_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::vector<std::string> targets_;
};

// A TCP server that accepts, reads the request and writes canned bytes (or nothing, holding
// the connection open until it is destroyed). One connection at a time.
class CannedServer {
 public:
  CannedServer(const std::string& address, int port, std::string answer, bool answers = true);
  ~CannedServer();

 private:
  int listenFd_ = -1;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};
