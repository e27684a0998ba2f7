#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "acquisition/source.h"
#include "acquisition/source_address.h"

namespace acquisition {

// An 8-bit converter over 0-5 V, as the simulation models it.
struct Converter8 {
  static constexpr double full_scale = 5.0;
  // Whole part of V * 256 / 5, clamped to 0-255.
  static int code(double volts);
  static std::int32_t raw_reading(int code) { return code * 256; }
  static double voltage(int code) { return code * full_scale / 256; }
};

// The built-in simulation: without fixed values the slide goes back and forth
// over the whole scale, one way in 10 s, starting from `start_volts` upward.
class Simulation : public Source {
 public:
  using Clock = std::function<double()>;  // seconds since an arbitrary origin

  struct Fixed {
    std::optional<double> volts;
    std::optional<std::int32_t> raw;
  };

  Simulation(double start_volts, Fixed fixed, Clock clock);

  platform::Variant raw_reading() override;
  platform::Variant measured_voltage() override;

  // The slide's voltage, before the converter, at `seconds` after start.
  static double slide_volts(double start_volts, double seconds);

 private:
  int code_now() const;

  double start_volts_;
  Fixed fixed_;
  Clock clock_;
  double origin_;
};

// Seconds on the steady clock.
Simulation::Clock steady_seconds();

// The simulation for "simulation", "simulation?volts=V", "simulation?volts=V&raw=R".
std::unique_ptr<Source> make_simulation(const SourceAddress& address,
                                        const platform::PropertyBag& settings,
                                        Simulation::Clock clock = steady_seconds());

}  // namespace acquisition
