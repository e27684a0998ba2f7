#pragma once

#include "acquisition/source.h"

namespace window {

// Program start: fonts, the failure handler, Form1 with its acquisition
// control on `sources`, then the event loop. Returns the exit status: 0 after
// "Quitter" or closing the window, 1 after a failure.
int run_program(acquisition::SourceFactory sources);

// Maps the Windows fonts the window names to free ones with the same metrics.
void install_font_substitutes();

}  // namespace window
