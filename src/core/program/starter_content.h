#pragma once

#include "core/buffer/inert_salt_database.h"
#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/element_table.h"
#include "core/program/program_model.h"

namespace solvara {

// The content a new database starts with, each added in table order (ids 1
// to n) and left unmodified. The acids need the starter moieties in `table`;
// the reagents are analysed against the program's acids, so those come first.
void loadStarterAcids(BLAcidDatabase& acids, const ElementTable& table);
void loadStarterReagents(ProgramModel& program);
void loadStarterSalts(InertSaltDatabase& salts, const ElementTable& table);
// The buffers name their reagents and main components, which must be loaded.
void loadStarterBuffers(ProgramModel& program);

}  // namespace solvara
