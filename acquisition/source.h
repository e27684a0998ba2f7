#pragma once

#include <functional>
#include <memory>

#include "platform/control.h"
#include "platform/variant.h"

namespace acquisition {

// Where the control's readings come from: a simulation, a board, a converter.
// Each call is a fresh reading; a failing one throws platform::Failure.
class Source {
 public:
  virtual ~Source() = default;
  virtual platform::Variant raw_reading() = 0;
  virtual platform::Variant measured_voltage() = 0;
};

// Makes the source of a new control, given the control's stored settings.
using SourceFactory = std::function<std::unique_ptr<Source>(const platform::PropertyBag& settings)>;

}  // namespace acquisition
