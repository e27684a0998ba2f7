// A board on a pseudo-terminal, for the end-to-end tests: prints the path of
// the port to open on its first line, then on the port a cut line, a banner,
// and "COUNT\r\n" every 20 ms for SECONDS, then hangs up.
//
//   pty_board COUNT SECONDS

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "pseudo_terminal.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s COUNT SECONDS\n", argv[0]);
    return 2;
  }
  const std::string line = std::string(argv[1]) + "\r\n";
  const double seconds = std::atof(argv[2]);
  PseudoTerminal pty;
  if (pty.path().empty()) return 1;
  std::printf("%s\n", pty.path().c_str());
  std::fflush(stdout);
  pty.write("23\r\nAnalogReadSerial\r\n");
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    pty.write(line);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}
