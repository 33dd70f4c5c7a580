#pragma once

#include "core/archive/class_registry.h"

namespace solvara {

// Every persistent class of the program, so that any of its files can be read.
ClassRegistry makeProgramClassRegistry();

}  // namespace solvara
