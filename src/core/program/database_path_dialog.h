#pragma once

#include <filesystem>
#include <string>

#include "core/program/program_database.h"

namespace solvara {

// The rules of the database path dialog without its window: the field, when
// OK may be pressed, and what OK does with the path typed.
class DatabasePathDialog {
  public:
    static constexpr const char* kTitle = "Database path";
    static constexpr const char* kPrompt =
        "Enter new path for the database or browse to select the path and filename:";
    // The file dialog behind "Browse...".
    static constexpr const char* kBrowseFileName = "Solvaradatabase.dat";
    static constexpr const char* kBrowseFilter = "*.dat";

    enum class Outcome {
        stay,                // the dialog stays open
        storePathAndClose,   // the path becomes the "DatabasePath" setting
        closeKeepingSetting  // the path could not be read; the starter content is in use
    };

    DatabasePathDialog(std::filesystem::path databasePath, std::filesystem::path defaultPath);

    const std::string& text() const noexcept { return text_; }
    // Typing, or a file chosen with "Browse...".
    void SetText(std::string text) { text_ = std::move(text); }
    // "Default".
    void UseDefault() { text_ = defaultPath_.string(); }
    bool IsOkEnabled() const { return text_ != databasePath_.string(); }

    // OK with the path in the field: overwrite the file there, read it, or
    // create a new one, asking what each needs.
    Outcome Accept(ProgramDatabase& database) const;

  private:
    Outcome overwrite(ProgramDatabase& database, const std::filesystem::path& path) const;
    Outcome saveAt(ProgramDatabase& database, const std::filesystem::path& path) const;

    std::filesystem::path databasePath_;
    std::filesystem::path defaultPath_;
    std::string text_;
};

}  // namespace solvara
