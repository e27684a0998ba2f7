#include "acquisition/environment.h"

#include <cstdlib>

#include "acquisition/iio_source.h"
#include "acquisition/serial_source.h"
#include "acquisition/simulation.h"
#include "acquisition/source_address.h"
#include "platform/failure.h"

namespace acquisition {

std::unique_ptr<Source> make_source(std::string_view address_text,
                                    const platform::PropertyBag& settings) {
  if (address_text.empty()) address_text = "simulation";
  const SourceAddress address = parse_source_address(address_text);
  if (address.kind == "simulation") return make_simulation(address, settings);
  if (address.kind == "serial") return make_serial(address);
  if (address.kind == "iio") return make_iio(address);
  throw bad_address("source inconnue « " + address.kind + " »");
}

SourceFactory sources_from_environment() {
  return [](const platform::PropertyBag& settings) {
    const char* text = std::getenv("ORPHY_SOURCE");
    return make_source(text ? text : "", settings);
  };
}

}  // namespace acquisition
