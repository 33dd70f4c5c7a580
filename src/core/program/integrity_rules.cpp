#include "core/program/integrity_rules.h"

#include <cstddef>

namespace solvara {

namespace {

std::optional<std::string_view> when(bool condition, std::string_view text) {
    return condition ? std::optional<std::string_view>(text) : std::nullopt;
}

bool acidInUse(const ProgramModel& program, std::int32_t acidId) {
    return program.reagents.CountReagentsUsingAcid(acidId) > 0;
}

bool reagentInUse(const ProgramModel& program, std::int32_t reagentId) {
    return program.buffers.CountVariantsUsingReagent(reagentId) > 0;
}

}  // namespace

std::optional<std::string_view> AcidRemovalRefusal(const ProgramModel& program,
                                                   std::int32_t acidId) {
    return when(acidInUse(program, acidId), integrity_messages::kAcidUsedInReagents);
}

std::optional<std::string_view> ReagentRemovalRefusal(const ProgramModel& program,
                                                      std::int32_t reagentId) {
    return when(reagentInUse(program, reagentId), integrity_messages::kReagentUsedInBuffers);
}

std::optional<std::string_view> AcidChangeQuestion(const ProgramModel& program,
                                                   std::int32_t acidId) {
    return when(acidInUse(program, acidId), integrity_messages::kReferredObjectChange);
}

std::optional<std::string_view> ReagentChangeQuestion(const ProgramModel& program,
                                                      std::int32_t reagentId) {
    return when(reagentInUse(program, reagentId), integrity_messages::kReferredObjectChange);
}

std::optional<std::string_view> MoietyRemovalRefusal(std::span<const std::int64_t> usage,
                                                     int position) {
    const bool used = position >= 0 && static_cast<std::size_t>(position) < usage.size() &&
                      usage[static_cast<std::size_t>(position)] != 0;
    return when(used, integrity_messages::kMoietyInUse);
}

}  // namespace solvara
