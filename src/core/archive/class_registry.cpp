#include "core/archive/class_registry.h"

#include <stdexcept>
#include <string>

namespace solvara {

void ClassRegistry::add(const ClassInfo& info) {
    const auto [position, inserted] = classes_.emplace(info.name, &info);
    if (!inserted && position->second != &info) {
        throw std::invalid_argument("class registered twice: " + std::string(info.name));
    }
}

const ClassInfo* ClassRegistry::find(std::string_view name) const {
    const auto position = classes_.find(name);
    return position == classes_.end() ? nullptr : position->second;
}

std::vector<const ClassInfo*> ClassRegistry::all() const {
    std::vector<const ClassInfo*> infos;
    infos.reserve(classes_.size());
    for (const auto& [name, info] : classes_) infos.push_back(info);
    return infos;
}

}  // namespace solvara
