// Alerts in tests: by default every alert fails the running test; a test that expects
// alerts collects them with an AlertCollector for as long as it lives.
#pragma once

#include <string>
#include <vector>

#include "platform/alert.h"

class AlertCollector {
 public:
  AlertCollector();
  ~AlertCollector();
  AlertCollector(const AlertCollector&) = delete;
  AlertCollector& operator=(const AlertCollector&) = delete;

  const std::vector<std::string>& texts() const { return texts_; }
  size_t count() const { return texts_.size(); }
  void clear() { texts_.clear(); }

 private:
  std::vector<std::string> texts_;
  AlertSink previous_;
};

// Installs the sink that fails the running test on any alert.
void installFailingAlertSink();
