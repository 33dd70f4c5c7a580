#pragma once

#include <string_view>

#include "core/buffer/buffer_database.h"

namespace solvara {

namespace buffer_editor_messages {

// Asked with Yes and No.
inline constexpr std::string_view kReplaceDefault = "Default buffer already exists, replace?";
inline constexpr std::string_view kDeleteVariant =
    "Are you sure you want to delete buffer from the database?";
inline constexpr std::string_view kDeleteGroup =
    "Are you sure you want to delete group and all buffers\nin the group from the database?";

}  // namespace buffer_editor_messages

// A group of the buffer database has at most one default variant: only default variants are
// offered in the design view's buffer list. Storing a variant marked default takes the mark from
// the group's other default, in the same step, so the group is never left with two or none.

// The group's default variant that storing `edited` would displace: none when `edited` is not
// marked default. When `edited` replaces a variant, that variant is not counted.
Buffer* DisplacedDefault(const BufferDatabase& buffers, std::string_view groupName,
                         const Buffer& edited, std::string_view replacedVariantName = {});

// Adds a copy of `buffer` to the group (a new id). None, and nothing changes, when the database
// refuses it (no such group, the name taken, no id left).
Buffer* AddVariantAsOnlyDefault(BufferDatabase& buffers, std::string_view groupName,
                                const Buffer& buffer);
// Puts a copy of `buffer` (its id kept) in place of the variant `oldVariantName`. False, and
// nothing changes, when the database refuses it (no such group, another variant has the name).
bool ReplaceVariantAsOnlyDefault(BufferDatabase& buffers, std::string_view groupName,
                                 std::string_view oldVariantName, const Buffer& buffer);

}  // namespace solvara
