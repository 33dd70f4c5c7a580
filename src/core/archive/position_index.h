#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

namespace solvara {

// Hashes std::string keys through std::string_view, so a lookup by a view
// builds no string.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};

// A database lookup from an exact key (a text compared byte for byte, or an
// id) to the position of the element that carries it. Storing a key again
// makes it name the new position, so the last store wins.
template <class Key>
class PositionIndex {
  public:
    static constexpr int kNone = -1;

    void store(const Key& key, int position) { positions_[key] = position; }
    // Forgets the key while it still names `position`; a key that another
    // element has taken over since stays.
    template <class Lookup>
    void eraseIfAt(const Lookup& key, int position) {
        const auto found = positions_.find(key);
        if (found != positions_.end() && found->second == position) positions_.erase(found);
    }
    template <class Lookup>
    int find(const Lookup& key) const {
        const auto found = positions_.find(key);
        return found == positions_.end() ? kNone : found->second;
    }
    void clear() noexcept { positions_.clear(); }

  private:
    using Hash = std::conditional_t<std::is_same_v<Key, std::string>, TextHash, std::hash<Key>>;
    std::unordered_map<Key, int, Hash, std::equal_to<>> positions_;
};

}  // namespace solvara
