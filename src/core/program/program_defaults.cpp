#include "core/program/program_defaults.h"

#include <fstream>

#include "core/archive/archive.h"
#include "core/archive/file_error.h"
#include "core/archive/replace_file.h"

namespace solvara {

namespace {

constexpr std::int32_t kFileVersion = 0x00010000;

// The file order, which is not the order of the fields.
void serialize(Archive& archive, ProgramDefaults& defaults) {
    std::int32_t version = kFileVersion;  // not checked when read
    archive.io(version);
    archive.io(defaults.concentration);
    archive.io(defaults.volume);
    archive.io(defaults.pH);
    archive.io(defaults.temperature);
    archive.io(defaults.preparationTemperature);
    ioStoredEnum(archive, defaults.concentrationUnit,
                 {ConcentrationUnit::molar, ConcentrationUnit::millimolar},
                 ConcentrationUnit::molar);
    ioStoredEnum(archive, defaults.volumeUnit, {VolumeUnit::litres, VolumeUnit::millilitres},
                 VolumeUnit::litres);
    ioStoredEnum(archive, defaults.startWith,
                 {StartDocument::newBuffer, StartDocument::newpHCalculator, StartDocument::ask},
                 StartDocument::newBuffer);
    archive.ioBool(defaults.forceIonicStrength);
    archive.io(defaults.ionicStrength);
    archive.io(defaults.daviesC);
    archive.io(defaults.highIonicStrengthLimit);
}

}  // namespace

void ResetProgramDefaults(ProgramDefaults& defaults) { defaults = ProgramDefaults{}; }

bool ReadProgramDefaults(const std::filesystem::path& path, ProgramDefaults& defaults) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const ClassRegistry noClasses;
    // Read into a copy so that a short file cannot leave a half-replaced record.
    ProgramDefaults read = defaults;
    try {
        Archive archive(in, noClasses, path.string());
        serialize(archive, read);
    } catch (const ArchiveError&) {
        return false;
    }
    defaults = read;
    return true;
}

bool WriteProgramDefaults(const std::filesystem::path& path, const ProgramDefaults& defaults) {
    ProgramDefaults written = defaults;
    // On a first run nothing has made the per-user folder yet.
    std::error_code folderError;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), folderError);
    try {
        replaceFile(path, [&](std::ostream& out) {
            Archive archive(out, path.string());
            serialize(archive, written);
            archive.Close();
        });
    } catch (const ArchiveError&) {
        return false;
    } catch (const FileError&) {
        return false;
    }
    return true;
}

}  // namespace solvara
