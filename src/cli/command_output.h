#pragma once

#include <ostream>
#include <string>

namespace solvara {

// Writes what a command wrote to its output and error streams, once it has finished, and
// returns the exit status of the whole run: the command's `status`, or exitUsageOrFile when
// the output could not be written (a closed or full standard output), which `err` then says.
// The errors are made valid UTF-8, since they may quote file names and arguments as given.
// With `json`, a failed command always leaves an object with "success": false and "error":
// its messages, in place of whatever else it printed or of nothing.
int deliverOutput(int status, bool json, const std::string& output, const std::string& errors,
                  std::ostream& out, std::ostream& err);

}  // namespace solvara
