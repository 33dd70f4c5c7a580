#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/buffer/inert_salt_database.h"

namespace solvara {

namespace inert_salt_messages {

inline constexpr std::string_view kTwoDefaults =
    "You can't have two default inert salts in the database at the same time.";
inline constexpr std::string_view kDefaultExists = "Default inert salt already exists.";
// Asked with Yes and No.
inline constexpr std::string_view kDeleteDefault =
    "You are about to delete default inert salt. Proceed?";
inline constexpr std::string_view kNoDefaultAfterChange =
    "After the operation there will bo no default inert salt in the database. Proceed?";

}  // namespace inert_salt_messages

// The inert salt database keeps at most one default salt, which a buffer design takes when the
// user first forces its ionic strength; the editor consults these before it changes the list.

// Adding `salt`: refused when it is marked default and the database already has a default.
std::optional<std::string_view> SaltAddRefusal(const InertSaltDatabase& salts,
                                               const InertSalt& salt);
// Removing the salt with this id: a question when it is the default.
std::optional<std::string_view> SaltRemovalQuestion(const InertSaltDatabase& salts,
                                                    std::int32_t saltId);
// Overwriting the stored salt of the same id with `salt`: a question when the change leaves the
// database without its default...
std::optional<std::string_view> SaltChangeQuestion(const InertSaltDatabase& salts,
                                                   const InertSalt& salt);
// ...and a refusal when it would make a second default.
std::optional<std::string_view> SaltChangeRefusal(const InertSaltDatabase& salts,
                                                  const InertSalt& salt);

}  // namespace solvara
