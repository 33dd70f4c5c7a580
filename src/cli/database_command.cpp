#include "cli/database_command.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "cli/cli_app.h"
#include "cli/option_values.h"
#include "cli/program_in_use.h"
#include "core/program/database_file.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

int fail(std::ostream& err, const std::string& reason) {
    err << reason << '\n';
    return exitUsageOrFile;
}

int check(const CommonOptions& options, const std::string& file, std::ostream& out,
          std::ostream& err) {
    if (!options.database.empty()) {
        return fail(err, "--database cannot act on database check, which reads FILE itself");
    }
    const DatabaseFileContent content = readDatabaseFile(file);
    if (content.program == nullptr) return fail(err, content.reason);
    const ProgramModel& program = *content.program;
    const int moieties = std::max(0, program.elements.count() - ElementTable::kFirstMoiety);
    // A file name is bytes; shown, it must be UTF-8.
    const std::string shownFile = repairUtf8(file);
    const nlohmann::json result{
        {"success", true},
        {"file", shownFile},
        {"version", fileVersionText(content.version)},
        {"protected", !content.passwordDigest.value_or("").empty()},
        {"elements", program.elements.count()},
        {"moieties", moieties},
        {"acids", program.acids.Count()},
        {"reagents", program.reagents.Count()},
        {"salts", program.salts.Count()},
        {"bufferGroups", program.buffers.groups().size()},
        {"bufferVariants", program.buffers.VariantCount()},
    };
    if (options.json) {
        out << result.dump(2) << '\n';
        return exitSuccess;
    }
    out << "file:      " << shownFile << '\n'
        << "version:   " << fileVersionText(content.version) << '\n'
        << "protected: " << (result["protected"].get<bool>() ? "yes" : "no") << '\n'
        << "elements:  " << program.elements.count() << " (" << moieties << " moieties)\n"
        << "acids:     " << program.acids.Count() << '\n'
        << "reagents:  " << program.reagents.Count() << '\n'
        << "salts:     " << program.salts.Count() << '\n'
        << "buffers:   " << program.buffers.groups().size() << " groups, "
        << program.buffers.VariantCount() << " variants\n";
    return exitSuccess;
}

int save(const CommonOptions& options, const std::string& file, std::ostream& out,
         std::ostream& err) {
    std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    // Without a way to ask for a password, only a file this database may
    // replace anyway is replaced: a missing one, or one with the same digest.
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) {
        const std::string stored = ReadStoredDigest(file);
        if (stored == kUnreadableDigest)
            return fail(err, file + " is not a readable database file; not replaced.");
        if (!stored.empty() && stored != inUse->passwordDigest) {
            return fail(err, file + " is protected by another password; not replaced.");
        }
    }
    try {
        writeDatabaseFile(file, *inUse->program, inUse->passwordDigest);
    } catch (const std::exception& error) {
        return fail(err, error.what());  // it names the file
    }
    if (options.json) {
        out << nlohmann::json{{"success", true}, {"file", repairUtf8(file)}}.dump(2) << '\n';
    } else {
        out << "saved the program database to " << repairUtf8(file) << '\n';
    }
    return exitSuccess;
}

}  // namespace

void addDatabaseCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                        std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand("database", "Write or check a program database file");
    sub->require_subcommand(1);
    const auto addAction = [&](const char* name, const char* description, auto action) {
        auto* actionCommand = sub->add_subcommand(name, description);
        auto file = std::make_shared<std::string>();
        actionCommand->add_option("FILE", *file, "Database file")
            ->required()
            ->check(nonEmpty("a file name"));
        actionCommand->callback([&options, &out, &err, &command, file, action] {
            command = [&options, &out, &err, file, action] {
                if (options.digitsGiven) return fail(err, "--digits cannot act on database files");
                return action(options, *file, out, err);
            };
        });
    };
    addAction("save", "Write the program database in use to FILE", save);
    addAction("check", "Read FILE and tell what it holds", check);
}

}  // namespace solvara
