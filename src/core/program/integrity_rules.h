#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/program/program_model.h"

namespace solvara {

namespace integrity_messages {

// The texts the database editors show, exactly as the user sees them.
inline constexpr std::string_view kAcidUsedInReagents =
    "You can't remove acid used in reagents from reagent database.";
inline constexpr std::string_view kReagentUsedInBuffers =
    "You can't remove reagent used in buffers from buffer database.";
inline constexpr std::string_view kMoietyInUse =
    "You can't remove moiety used in open documents or database.";
// Asked with OK and Cancel; Cancel abandons the change.
inline constexpr std::string_view kReferredObjectChange =
    "Modified object is referred to by other objects in the database.\nChanges can lead to "
    "unpredictable behavior of the program.\nPlease refer to the program manual for "
    "details.\nProceed?";
inline constexpr std::string_view kChangesApplyToFutureDocuments =
    "Changes made to the program database will apply only to the future documents.";
inline constexpr std::string_view kAddReagentsForNewAcids =
    "Note: to be able to use acids in buffer preparation you have\nto add reagents containing "
    "them to the reagent database.\n\nThis message will be not repeated till you restart the "
    "program.";

}  // namespace integrity_messages

// What the editors consult before they change the program database: a
// refusal or a question to ask, none when the change may go ahead at once.
// Other objects refer to acids and reagents by id, so removing one they use
// would leave them pointing at nothing.
std::optional<std::string_view> AcidRemovalRefusal(const ProgramModel& program,
                                                   std::int32_t acidId);
std::optional<std::string_view> ReagentRemovalRefusal(const ProgramModel& program,
                                                      std::int32_t reagentId);
// Not asked when the acid editor works on a document's own acid list.
std::optional<std::string_view> AcidChangeQuestion(const ProgramModel& program,
                                                   std::int32_t acidId);
std::optional<std::string_view> ReagentChangeQuestion(const ProgramModel& program,
                                                      std::int32_t reagentId);
// `usage` as ElementUsage gives it.
std::optional<std::string_view> MoietyRemovalRefusal(std::span<const std::int64_t> usage,
                                                     int position);

}  // namespace solvara
