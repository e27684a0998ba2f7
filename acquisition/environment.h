#pragma once

#include <string_view>

#include "acquisition/source.h"

namespace acquisition {

// The source named by a text in ORPHY_SOURCE's forms; empty means the
// simulation. An unknown or malformed text is a failure that names the bad
// part and lists the accepted forms.
std::unique_ptr<Source> make_source(std::string_view address_text,
                                    const platform::PropertyBag& settings);

// Sources chosen by the environment variable ORPHY_SOURCE when each control
// is created.
SourceFactory sources_from_environment();

}  // namespace acquisition
