#pragma once

#include <string>

#include "measure/fields.h"
#include "platform/control.h"

namespace measure {

// The voltage cut down to hundredths toward minus infinity: product and
// quotient in double precision, only the result in single.
float truncated_voltage(float volts);

// The length display for the slope and offset texts and a truncated voltage:
// "4.3 cm", or "Erreur" when what was typed gives no finite length.
std::string length_text(const std::string& slope, const std::string& offset, float volts,
                        const std::string& separator);

// The window's measurement routines, bound to its fields and to its
// acquisition control orphy1. Nothing is kept between ticks.
class Measurement {
 public:
  // Looks up the two readings' member identifiers on the control.
  Measurement(Fields& fields, platform::Dispatch& orphy1);

  // Writes the binary display Text7 from a fresh RawReading.
  void Conversion();

  // One tick of Timer1: every display refreshed from four fresh readings.
  // A failure abandons it where it happened and leaves this function.
  void tick();

 private:
  Fields& fields_;
  platform::Dispatch& orphy1_;
  platform::MemberId raw_reading_;
  platform::MemberId measured_voltage_;
};

}  // namespace measure
