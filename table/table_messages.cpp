// The card table's error texts through the alert sink.
#include "table/table_messages.h"

#include "platform/alert.h"

void tableError(const std::string& text) { showAlert(text); }
