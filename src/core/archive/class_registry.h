#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "core/archive/cobject.h"

namespace solvara {

// The classes a loading archive may create by the name stored in the stream.
// The registered descriptions must outlive the registry.
class ClassRegistry {
  public:
    // Adding the same description again does nothing; a different description
    // under a name already taken is a programming error (std::invalid_argument).
    void add(const ClassInfo& info);
    const ClassInfo* find(std::string_view name) const;
    // Every registered description, ordered by name.
    std::vector<const ClassInfo*> all() const;

  private:
    std::map<std::string_view, const ClassInfo*, std::less<>> classes_;
};

}  // namespace solvara
