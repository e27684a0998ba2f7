#include "acquisition/stored_settings.h"

#include <string>

namespace acquisition {

namespace {

std::string padded(std::string text, std::size_t length, char pad) {
  text.resize(length, pad);
  return text;
}

}  // namespace

platform::PropertyBag orphy1_settings() {
  return {
      {"_extentx", std::int32_t{4471}},
      {"_extenty", std::int32_t{873}},
      // System colour 5, the window background: high bit set, then the index.
      {"backcolor", static_cast<std::int32_t>(0x80000005u)},
      {"nomgrandeur", padded("tension", 50, ' ')},
      {"nomunite", padded("V", 20, ' ')},
      {"valgrandeur", 2.16796875f},
      {"nomsymbole", padded("U", 20, ' ')},
      {"version", padded("7.13", 20, ' ')},
      {"rom", padded("ORPHY GTS V3/0 ", 200, '\0')},
  };
}

}  // namespace acquisition
