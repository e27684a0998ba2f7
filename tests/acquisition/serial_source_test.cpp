#include "acquisition/serial_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "acquisition/environment.h"
#include "acquisition/stored_settings.h"
#include "platform/failure.h"
#include "pseudo_terminal.h"

namespace acquisition {
namespace {

using platform::Variant;
using namespace std::chrono_literals;

std::string failure_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const platform::Failure& failure) {
    return failure.what();
  }
  return "(no failure)";
}

bool mentions(const std::string& message, const std::string& part) {
  return message.find(part) != std::string::npos;
}

class SerialSourceTest : public ::testing::Test {
 protected:
  // Opens the source while the board starts up: a cut first line, a banner,
  // then the first count.
  std::unique_ptr<SerialSource> open(const std::string& first = "444\r\n") {
    std::thread board([&] {
      std::this_thread::sleep_for(50ms);
      pty.write("12\r\nAnalogReadSerial\r\n" + first);
    });
    SerialSource::Settings settings;
    settings.path = pty.path();
    settings.first_wait_seconds = 2;
    std::unique_ptr<SerialSource> source;
    const std::string failure = failure_of(
        [&] { source = std::make_unique<SerialSource>(settings, [this] { return now; }); });
    board.join();
    EXPECT_TRUE(source) << failure;
    return source;
  }

  // Lets what the board wrote reach the port.
  static void settle() { std::this_thread::sleep_for(30ms); }

  PseudoTerminal pty;
  double now = 0;
};

TEST_F(SerialSourceTest, FirstReadingComesAfterTheCutLineAndTheBanner) {
  ASSERT_FALSE(pty.path().empty());
  auto source = open();
  ASSERT_TRUE(source);
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{111 * 256}));
  EXPECT_EQ(source->measured_voltage(), Variant(2.16796875));
}

TEST_F(SerialSourceTest, EachReadTakesTheNewestCompleteValidLine) {
  auto source = open();
  ASSERT_TRUE(source);
  std::string burst;
  for (int i = 0; i < 800; ++i) burst += std::to_string((i * 7) % 1024) + "\r\n";
  pty.write(burst + "1023\n10");
  settle();
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{255 * 256}));
  EXPECT_EQ(source->measured_voltage(), Variant(1023 * 5.0 / 1024));

  pty.write("0\r\n");  // completes the split line: 100
  settle();
  EXPECT_EQ(source->measured_voltage(), Variant(100 * 5.0 / 1024));

  // Garbage, an empty line, a count out of range and a line of 4 KiB with no
  // end are skipped; the reading stays the last valid one.
  pty.write("\xff\xfe noise\r\n\r\n5000\r\n" + std::string(4096, '9'));
  settle();
  EXPECT_EQ(source->measured_voltage(), Variant(100 * 5.0 / 1024));
  pty.write("1\r\n3\r\n");  // the long line ends, then a count
  settle();
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{0}));
  EXPECT_EQ(source->measured_voltage(), Variant(3 * 5.0 / 1024));
}

TEST_F(SerialSourceTest, AHangUpIsAFailureOfTheRead) {
  auto source = open();
  ASSERT_TRUE(source);
  pty.hang_up();
  settle();
  const std::string message = failure_of([&] { source->raw_reading(); });
  EXPECT_TRUE(mentions(message, pty.path()) && mentions(message, "débranchée")) << message;
}

TEST_F(SerialSourceTest, SilenceOfMoreThanTwoSecondsIsAFailure) {
  auto source = open();
  ASSERT_TRUE(source);
  now = 1.9;
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{111 * 256}));
  pty.write("500\r\n");
  settle();
  now = 3.8;  // 1.9 s after the last reading
  EXPECT_EQ(source->measured_voltage(), Variant(500 * 5.0 / 1024));
  pty.write("garbage\r\n");  // not a reading: silence goes on
  settle();
  now = 5.7;
  EXPECT_EQ(source->measured_voltage(), Variant(500 * 5.0 / 1024));
  now = 5.9;
  const std::string message = failure_of([&] { source->raw_reading(); });
  EXPECT_TRUE(mentions(message, "depuis plus de 2 s")) << message;
}

TEST_F(SerialSourceTest, NoReadingAtCreationIsAFailureNamingThePort) {
  SerialSource::Settings settings;
  settings.path = pty.path();
  settings.first_wait_seconds = 0.3;
  std::thread board([&] { pty.write("\r\nRESET\r\n"); });
  const std::string message = failure_of([&] { SerialSource source(settings); });
  board.join();
  EXPECT_TRUE(mentions(message, "Aucune mesure") && mentions(message, pty.path())) << message;
}

TEST(SerialSourceAddress, BadFormsAreClearFailures) {
  const std::pair<const char*, const char*> cases[] = {
      {"serial:", "chemin du port série manque"},
      {"serial:/dev/nonexistent-board", "n'existe pas"},
      {"serial:/dev/x?baud=fast", "« fast »"},
      {"serial:/dev/x?baud=0", "« baud »"},
      {"serial:/dev/x?bits=0", "« bits »"},
      {"serial:/dev/x?bits=25", "« bits »"},
      {"serial:/dev/x?vref=-5", "« vref »"},
      {"serial:/dev/x?vref=3,3", "« 3,3 »"},
      {"serial:/dev/x?parity=even", "« parity »"},
  };
  for (const auto& [text, part] : cases) {
    const std::string message = failure_of([&] { make_source(text, orphy1_settings()); });
    EXPECT_TRUE(mentions(message, part)) << text << ": " << message;
  }
}

TEST(SerialSourceAddress, OptionsReachTheReadings) {
  PseudoTerminal pty;
  std::thread board([&] {
    std::this_thread::sleep_for(50ms);
    pty.write("x\n2048\n");
  });
  auto source =
      make_source("serial:" + pty.path() + "?baud=115200&bits=12&vref=3.3", orphy1_settings());
  board.join();
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{128 * 256}));
  EXPECT_EQ(source->measured_voltage(), Variant(2048 * 3.3 / 4096));
}

}  // namespace
}  // namespace acquisition
