#include "acquisition/simulation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/failure.h"

namespace acquisition {

namespace {

constexpr double kOneWaySeconds = 10.0;

}  // namespace

int Converter8::code(double volts) {
  const double code = std::floor(volts * 256 / full_scale);
  return static_cast<int>(std::clamp(code, 0.0, 255.0));
}

Simulation::Simulation(double start_volts, Fixed fixed, Clock clock)
    : start_volts_(start_volts), fixed_(fixed), clock_(std::move(clock)), origin_(clock_()) {}

double Simulation::slide_volts(double start_volts, double seconds) {
  // A triangle wave over 0..5 V: position along one round trip of 10 V of travel.
  const double speed = Converter8::full_scale / kOneWaySeconds;
  const double round_trip = 2 * Converter8::full_scale;
  const double travelled = std::fmod(
      std::clamp(start_volts, 0.0, Converter8::full_scale) + speed * std::max(seconds, 0.0),
      round_trip);
  return travelled <= Converter8::full_scale ? travelled : round_trip - travelled;
}

int Simulation::code_now() const {
  if (fixed_.volts) return Converter8::code(*fixed_.volts);
  return Converter8::code(slide_volts(start_volts_, clock_() - origin_));
}

platform::Variant Simulation::raw_reading() {
  if (fixed_.raw) return *fixed_.raw;
  return Converter8::raw_reading(code_now());
}

platform::Variant Simulation::measured_voltage() {
  if (fixed_.volts) return *fixed_.volts;
  return Converter8::voltage(code_now());
}

Simulation::Clock steady_seconds() {
  return [] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
}

std::unique_ptr<Source> make_simulation(const SourceAddress& address,
                                        const platform::PropertyBag& settings,
                                        Simulation::Clock clock) {
  require_known_options(address, {"volts", "raw"});
  if (!address.target.empty()) {
    throw bad_address("la simulation ne prend pas de cible (« " + address.target + " »)");
  }
  Simulation::Fixed fixed;
  if (address.options.contains("volts")) fixed.volts = option_double(address, "volts");
  if (address.options.contains("raw")) {
    if (!fixed.volts) {
      throw bad_address("l'option « raw » va avec « volts »");
    }
    fixed.raw = static_cast<std::int32_t>(option_integer(address, "raw",
                                                         std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max()));
  }
  double start = 0;
  if (const auto found = settings.find("valgrandeur"); found != settings.end()) {
    if (const float* v = std::get_if<float>(&found->second)) start = *v;
  }
  return std::make_unique<Simulation>(start, fixed, std::move(clock));
}

}  // namespace acquisition
