#include "cli/command_output.h"

#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

std::string withoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    return text;
}

// A failed command's own object (such as the results of a calculation that could not be
// done, or of one whose saving failed) keeps its fields; the error is every message it gave.
std::string jsonFailure(const std::string& output, const std::string& errors) {
    nlohmann::json result = nlohmann::json::parse(output, nullptr, false);
    if (!result.is_object()) result = nlohmann::json::object();
    result["success"] = false;
    const std::string reason = withoutTrailingBlanks(repairUtf8(errors));
    result["error"] = reason.empty() ? "the command failed" : reason;
    return result.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
}

}  // namespace

int deliverOutput(int status, bool json, const std::string& output, const std::string& errors,
                  std::ostream& out, std::ostream& err) {
    err << repairUtf8(errors);
    out << (json && status != exitSuccess ? jsonFailure(output, errors) : output);
    out.flush();
    if (out) return status;
    err << "solvara-cli: the output could not be written (standard output closed or full)\n";
    err.flush();
    return status == exitSuccess ? exitUsageOrFile : status;
}

}  // namespace solvara
