#pragma once

#include <QSerialPort>
#include <chrono>
#include <memory>
#include <string>

#include "acquisition/counts.h"
#include "acquisition/simulation.h"
#include "acquisition/source.h"
#include "acquisition/source_address.h"

namespace acquisition {

// A microcontroller board printing one converter count per line on a serial
// port, as the stock AnalogReadSerial example does.
class SerialSource : public Source {
 public:
  struct Settings {
    std::string path;
    qint32 baud = 9600;
    int bits = 10;
    double vref = 5.0;
    double first_wait_seconds = 5.0;
    double silence_seconds = 2.0;
  };

  // Opens the port and waits for the first valid reading; a port that cannot
  // be opened or stays without reading is a failure.
  explicit SerialSource(Settings settings, Simulation::Clock clock = steady_seconds());

  platform::Variant raw_reading() override;
  platform::Variant measured_voltage() override;

 private:
  // Takes what the port has without waiting; the newest valid count wins.
  void drain();
  [[noreturn]] void unplugged() const;

  Settings settings_;
  Simulation::Clock clock_;
  QSerialPort port_;
  CountLines lines_;
  long long count_ = 0;
  double last_valid_ = 0;
};

std::unique_ptr<Source> make_serial(const SourceAddress& address);

}  // namespace acquisition
