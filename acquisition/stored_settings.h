#pragma once

#include "platform/control.h"

namespace acquisition {

// The settings stored with the window's instance orphy1, exact to the
// character: fixed-length texts keep their padding.
platform::PropertyBag orphy1_settings();

}  // namespace acquisition
