#include "acquisition/source_address.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/failure.h"
#include "platform/number_read.h"

namespace acquisition {

namespace {

const std::string& option_text(const SourceAddress& address, std::string_view key) {
  const auto found = address.options.find(key);
  if (found == address.options.end())
    throw bad_address("l'option « " + std::string(key) + " » manque");
  return found->second;
}

}  // namespace

platform::Failure bad_address(const std::string& what) {
  return platform::Failure("ORPHY_SOURCE : " + what + ". Formes acceptées : " + accepted_forms() +
                           ".");
}

std::string accepted_forms() {
  return "« simulation », « simulation?volts=V », « simulation?volts=V&raw=R », "
         "« serial:CHEMIN[?baud=N&bits=B&vref=V] », « iio:PÉRIPHÉRIQUE[?channel=N&bits=B] »";
}

SourceAddress parse_source_address(std::string_view text) {
  SourceAddress address;
  const std::size_t query = text.find('?');
  const std::string_view head = text.substr(0, query);
  const std::size_t colon = head.find(':');
  address.kind = std::string(head.substr(0, colon));
  if (colon != std::string_view::npos) address.target = std::string(head.substr(colon + 1));
  if (query == std::string_view::npos) return address;

  std::string_view rest = text.substr(query + 1);
  for (;;) {
    const std::size_t amp = rest.find('&');
    const std::string_view pair = rest.substr(0, amp);
    const std::size_t eq = pair.find('=');
    if (eq == std::string_view::npos || eq == 0) {
      throw bad_address("l'option « " + std::string(pair) + " » n'a pas la forme CLÉ=VALEUR");
    }
    const std::string key(pair.substr(0, eq));
    if (!address.options.emplace(key, std::string(pair.substr(eq + 1))).second) {
      throw bad_address("l'option « " + key + " » est donnée deux fois");
    }
    if (amp == std::string_view::npos) break;
    rest = rest.substr(amp + 1);
  }
  return address;
}

double option_double(const SourceAddress& address, std::string_view key) {
  const std::string& text = option_text(address, key);
  try {
    return platform::locale_number(text, ".");
  } catch (const platform::Failure&) {
    throw bad_address("la valeur « " + text + " » de l'option « " + std::string(key) +
                      " » n'est pas un nombre (le séparateur décimal est le point)");
  }
}

long long option_integer(const SourceAddress& address, std::string_view key, long long low,
                         long long high) {
  const std::string& text = option_text(address, key);
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (begin == end || ec != std::errc{} || ptr != end || value < low || value > high) {
    throw bad_address("la valeur « " + text + " » de l'option « " + std::string(key) +
                      " » n'est pas un entier de " + std::to_string(low) + " à " +
                      std::to_string(high));
  }
  return value;
}

void require_known_options(const SourceAddress& address,
                           std::initializer_list<std::string_view> known) {
  for (const auto& [key, value] : address.options) {
    if (std::find(known.begin(), known.end(), key) == known.end()) {
      throw bad_address("option inconnue « " + key + " »");
    }
  }
}

}  // namespace acquisition
