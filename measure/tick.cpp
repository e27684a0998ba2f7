#include "measure/tick.h"

#include <cmath>
#include <limits>

#include "measure/conversion.h"
#include "platform/failure.h"
#include "platform/number_form.h"
#include "platform/number_read.h"

namespace measure {

float truncated_voltage(float volts) {
  const double cut = platform::whole_part(static_cast<double>(volts) * 100.0) / 100.0;
  if (std::fabs(cut) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw platform::overflow("tension tronquée");
  }
  return static_cast<float>(cut);
}

std::string length_text(const std::string& slope, const std::string& offset, float volts,
                        const std::string& separator) {
  // What the user typed must not end the program: a slope or offset out of
  // range, or a length that is not finite, shows as an error in the field.
  double a = 0;
  double b = 0;
  try {
    a = platform::leading_number(slope);
    b = platform::leading_number(offset);
  } catch (const platform::Failure&) {
    return "Erreur";
  }
  const double length = a * static_cast<double>(volts) + b;
  const double cut = platform::whole_part(length * 10) / 10;
  if (!std::isfinite(cut)) return "Erreur";
  return platform::general_form(cut, separator) + " cm";
}

Measurement::Measurement(Fields& fields, platform::Dispatch& orphy1)
    : fields_(fields),
      orphy1_(orphy1),
      raw_reading_(orphy1.member_id("RawReading")),
      measured_voltage_(orphy1.member_id("MeasuredVoltage")) {}

void Measurement::Conversion() {
  fields_.set_text(Field::Text7, binary_text(code_of(orphy1_.invoke(raw_reading_))));
}

void Measurement::tick() {
  const std::string separator = fields_.decimal_separator();

  Conversion();

  const Code code = code_of(orphy1_.invoke(raw_reading_));
  fields_.set_text(Field::Text2, decimal_text(code, separator));

  const float volts = truncated_voltage(platform::to_single(orphy1_.invoke(measured_voltage_)));

  const float shown = truncated_voltage(platform::to_single(orphy1_.invoke(measured_voltage_)));
  fields_.set_text(Field::Text3, platform::general_form(shown, separator) + " V");

  const double decimal = platform::locale_number(fields_.text(Field::Text2), separator);
  fields_.set_text(Field::Text4, platform::hex_form(platform::round_half_even(decimal)));

  if (fields_.check_state() == 1) {
    fields_.set_text(Field::Text6, length_text(fields_.text(Field::Text1),
                                               fields_.text(Field::Text5), volts, separator));
  } else {
    fields_.set_text(Field::Text6, "");
  }
}

}  // namespace measure
