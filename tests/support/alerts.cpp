// Alert sinks for tests.
#include "tests/support/alerts.h"

#include <gtest/gtest.h>

AlertCollector::AlertCollector() {
  previous_ = setAlertSink([this](const std::string& t) { texts_.push_back(t); });
}

AlertCollector::~AlertCollector() { setAlertSink(previous_); }

void installFailingAlertSink() {
  setAlertSink([](const std::string& t) { ADD_FAILURE() << "unexpected alert: " << t; });
}
