#include "core/program/inert_salt_rules.h"

namespace solvara {

namespace {

std::optional<std::string_view> when(bool condition, std::string_view text) {
    return condition ? std::optional<std::string_view>(text) : std::nullopt;
}

bool isTheDefault(const InertSaltDatabase& salts, std::int32_t saltId) {
    const InertSalt* standard = salts.DefaultSalt();
    return standard != nullptr && standard->id == saltId;
}

}  // namespace

std::optional<std::string_view> SaltAddRefusal(const InertSaltDatabase& salts,
                                               const InertSalt& salt) {
    return when(salt.isDefault && salts.DefaultSalt() != nullptr,
                inert_salt_messages::kDefaultExists);
}

std::optional<std::string_view> SaltRemovalQuestion(const InertSaltDatabase& salts,
                                                    std::int32_t saltId) {
    return when(isTheDefault(salts, saltId), inert_salt_messages::kDeleteDefault);
}

std::optional<std::string_view> SaltChangeQuestion(const InertSaltDatabase& salts,
                                                   const InertSalt& salt) {
    return when(!salt.isDefault && isTheDefault(salts, salt.id),
                inert_salt_messages::kNoDefaultAfterChange);
}

std::optional<std::string_view> SaltChangeRefusal(const InertSaltDatabase& salts,
                                                  const InertSalt& salt) {
    const InertSalt* standard = salts.DefaultSalt();
    return when(salt.isDefault && standard != nullptr && standard->id != salt.id,
                inert_salt_messages::kTwoDefaults);
}

}  // namespace solvara
