#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The handler of uncaught failures: told the French message of a failure that
// left a routine, it informs the user and ends the program. The default one
// writes the message on standard error and exits with status 1.
using UncaughtHandler = std::function<void(const std::string& message)>;

// An empty handler brings the default one back.
void set_uncaught_handler(UncaughtHandler handler);

// The user-readable message of any exception.
std::string describe(std::exception_ptr failure);

// Hands a failure that left a routine to the handler.
void handle_uncaught(std::exception_ptr failure);

// Runs a routine; a failure that leaves it goes to the handler. Returns false
// when the routine failed.
bool run_guarded(const std::function<void()>& routine);

}  // namespace platform
