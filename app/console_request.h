// The requests that the program answers on the console, before any window or display exists.
#pragma once

#include <optional>

namespace orvane {

// When the first argument is "--help" or "--version", prints the usage text or the program's name
// and version to standard output and returns the exit status (0, or 1 when the output failed);
// otherwise returns nothing and the window starts. Only the first argument counts: the launcher
// and driver flags come first, and a printer name after "/DS" may hold any word.
std::optional<int> AnswerConsoleRequest(int argc, char** argv);

}  // namespace orvane
