#include "tests/net/fake_lobby.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

FakeLobby::FakeLobby(const std::string& address, int port)
    : address_(address), port_(port), server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard<std::mutex> lock(mutex_);
    targets_.push_back(httplib::detail::decode_url(req.target, false));
    const auto it = replies_.find(req.path + "?" + req.get_param_value("ACTION"));
    if (it == replies_.end()) {
      res.status = 404;
      return;
    }
    res.set_content(it->second, "text/plain");
  });
  server_->bind_to_port(address, port);
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

FakeLobby::~FakeLobby() {
  server_->stop();
  thread_.join();
}

std::string FakeLobby::url(const std::string& path) const {
  return "http://" + address_ + ":" + std::to_string(port_) + path;
}

void FakeLobby::reply(const std::string& path, const std::string& action, const std::string& body) {
  std::lock_guard<std::mutex> lock(mutex_);
  replies_[path + "?" + action] = body;
}

std::vector<std::string> FakeLobby::targets() {
  std::lock_guard<std::mutex> lock(mutex_);
  return targets_;
}

void FakeLobby::clearTargets() {
  std::lock_guard<std::mutex> lock(mutex_);
  targets_.clear();
}

CannedServer::CannedServer(const std::string& address, int port, std::string answer, bool answers) {
  listenFd_ = socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(uint16_t(port));
  inet_pton(AF_INET, address.c_str(), &a.sin_addr);
  bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
  listen(listenFd_, 4);
  thread_ = std::thread([this, answer = std::move(answer), answers] {
    std::vector<int> held;
    while (!stop_) {
      pollfd p{listenFd_, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      const int fd = accept(listenFd_, nullptr, nullptr);
      if (fd < 0) continue;
      char buf[2048];
      pollfd r{fd, POLLIN, 0};
      if (poll(&r, 1, 2000) > 0) (void)!read(fd, buf, sizeof buf);
      if (!answers) {
        held.push_back(fd);
        continue;
      }
      (void)!write(fd, answer.data(), answer.size());
      close(fd);
    }
    for (int fd : held) close(fd);
  });
}

CannedServer::~CannedServer() {
  stop_ = true;
  thread_.join();
  close(listenFd_);
}
