#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vorlane::cli {

// Runs the vorlane command line with args (without the program name), writing results to
// out and messages to err. Returns the exit status: 0 done, 1 failed, 2 wrong arguments.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vorlane::cli
