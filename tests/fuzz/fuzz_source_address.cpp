// ORPHY_SOURCE as the simulation takes it: any text gives a source or a
// failure, never a crash.

#include <cstdint>
#include <string_view>

#include "acquisition/simulation.h"
#include "acquisition/source_address.h"
#include "platform/failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto address = acquisition::parse_source_address(text);
    for (const auto& [key, value] : address.options) {
      try {
        acquisition::option_double(address, key);
      } catch (const platform::Failure&) {
      }
      try {
        acquisition::option_integer(address, key, -1000, 1000);
      } catch (const platform::Failure&) {
      }
    }
    auto source = acquisition::make_simulation(address, {}, [] { return 0.0; });
    source->raw_reading();
    source->measured_voltage();
  } catch (const platform::Failure&) {
  }
  return 0;
}
