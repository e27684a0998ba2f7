#include "platform/uncaught.h"

#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

#include "platform/failure.h"

namespace platform {

namespace {

void report_and_exit(const std::string& message) {
  std::fprintf(stderr, "Pied à coulisse numérique : %s\n", message.c_str());
  std::exit(1);
}

UncaughtHandler& current_handler() {
  static UncaughtHandler current = report_and_exit;
  return current;
}

}  // namespace

void set_uncaught_handler(UncaughtHandler handler) {
  current_handler() = handler ? std::move(handler) : UncaughtHandler(report_and_exit);
}

std::string describe(std::exception_ptr failure) {
  try {
    std::rethrow_exception(std::move(failure));
  } catch (const Failure& f) {
    return f.what();
  } catch (const std::bad_alloc&) {
    return "Mémoire insuffisante.";
  } catch (const std::exception& e) {
    return std::string("Erreur inattendue : ") + e.what();
  } catch (...) {
    return "Erreur inattendue.";
  }
}

void handle_uncaught(std::exception_ptr failure) {
  current_handler()(describe(std::move(failure)));
}

bool run_guarded(const std::function<void()>& routine) {
  try {
    routine();
    return true;
  } catch (...) {
    handle_uncaught(std::current_exception());
    return false;
  }
}

}  // namespace platform
