#include "core/program/password_digest.h"

#include <openssl/evp.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace solvara {

std::string passwordDigest(std::string_view password) {
    if (password.empty()) return {};
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(password.data(), password.size(), digest.data(), &length, EVP_md5(), nullptr) !=
        1) {
        throw std::runtime_error("MD5 is not available");
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        text.push_back(kHex[digest[i] >> 4]);
        text.push_back(kHex[digest[i] & 0x0F]);
    }
    return text;
}

}  // namespace solvara
