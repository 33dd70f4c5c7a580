#include "core/archive/cobject.h"

namespace solvara {

bool ClassInfo::derivesFrom(const ClassInfo& other) const {
    for (const ClassInfo* info = this; info != nullptr; info = info->base) {
        if (info == &other) return true;
    }
    return false;
}

CObject::~CObject() = default;

}  // namespace solvara
