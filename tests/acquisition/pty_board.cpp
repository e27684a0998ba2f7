// A board on a pseudo-terminal, for the end-to-end tests. Prints the path of
// the port to open on its first line; then, on the port, a cut line, a banner,
// and one of these behaviours:
//
//   pty_board steady COUNT SECONDS    COUNT every 20 ms, then hangs up
//   pty_board silent COUNT SECONDS    COUNT for 1 s, then nothing, port open
//   pty_board garbage COUNT SECONDS   COUNT for 1 s, then 1 MB/s of garbage lines
//   pty_board mixed COUNT SECONDS     1 MB/s of garbage with COUNT every 20 ms
//   pty_board longline COUNT SECONDS  COUNT, one line of 1 MB, then COUNT again

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "pseudo_terminal.h"

namespace {

using Clock = std::chrono::steady_clock;

// 10 KB of bytes that are no count, cut into lines.
std::string garbage_chunk() {
  std::string chunk;
  unsigned seed = 12345;
  while (chunk.size() < 10000) {
    seed = seed * 1103515245 + 12345;
    const char c = static_cast<char>((seed >> 16) & 0xFF);
    chunk += (c >= '0' && c <= '9') ? 'x' : c;  // never a digit: no line is a count
  }
  return chunk;
}

void for_seconds(double seconds, const auto& step) {
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (Clock::now() < end) step();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s MODE COUNT SECONDS\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[1];
  const std::string line = std::string(argv[2]) + "\r\n";
  const double seconds = std::atof(argv[3]);
  PseudoTerminal pty;
  if (pty.path().empty()) return 1;
  std::printf("%s\n", pty.path().c_str());
  std::fflush(stdout);
  pty.write("23\r\nAnalogReadSerial\r\n");

  const auto pause = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  const auto counts = [&] {
    pty.write(line);
    pause(20);
  };
  const std::string garbage = garbage_chunk();
  if (mode == "steady") {
    for_seconds(seconds, counts);
  } else if (mode == "silent") {
    for_seconds(1, counts);
    pause(static_cast<int>(seconds * 1000));
  } else if (mode == "garbage") {
    for_seconds(1, counts);
    for_seconds(seconds, [&] {
      pty.write(garbage);
      pause(10);
    });
  } else if (mode == "mixed") {
    for_seconds(seconds, [&] {
      pty.write(garbage + "\n" + line);
      pause(10);
    });
  } else if (mode == "longline") {
    for_seconds(1, counts);
    pty.write(std::string(1 << 20, '7') + "\r\n");
    for_seconds(seconds, counts);
  } else {
    return 2;
  }
  return 0;
}
