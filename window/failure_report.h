#pragma once

#include <string>

namespace window {

// The handler of uncaught failures: writes the message on standard error,
// shows it in a modal critical box, and once the box is closed ends the
// program's event loop, if it runs, with status 1.
void report_failure(const std::string& message);

}  // namespace window
