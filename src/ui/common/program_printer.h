#pragma once

class QPrinter;

namespace vorlane {

// The printer the program prints on: chosen in the printer set-up dialog and kept for the
// whole run, as the system's current printer is.
QPrinter& ProgramPrinter();

} // namespace vorlane
