#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vorlane::cli {

// Exit statuses of the command line tool.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Runs the vorlane command line with args (without the program name), writing results to
// out and messages to err. Returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vorlane::cli
