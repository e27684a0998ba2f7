#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <string_view>

// The board's side of a real pseudo-terminal pair; the program opens the
// other side as its serial port.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
      path_ = ::ptsname(master_);
    }
  }
  ~PseudoTerminal() { hang_up(); }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& path() const { return path_; }

  bool write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t put = ::write(master_, bytes.data(), bytes.size());
      if (put <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
  }

  void hang_up() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string path_;
};
