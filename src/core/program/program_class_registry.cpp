#include "core/program/program_class_registry.h"

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_variants.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/standalone_buffer.h"
#include "core/chemistry/bl_acid.h"
#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/element.h"
#include "core/chemistry/reagent.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/chemistry/substance.h"

namespace solvara {

ClassRegistry makeProgramClassRegistry() {
    ClassRegistry registry;
    registry.add(CCDataSet::staticClassInfo());
    registry.add(Element::staticClassInfo());
    registry.add(CSubstance::staticClassInfo());
    registry.add(BLAcid::staticClassInfo());
    registry.add(Reagent::staticClassInfo());
    registry.add(ReagentpHCalculator::staticClassInfo());
    registry.add(InertSalt::staticClassInfo());
    registry.add(Buffer::staticClassInfo());
    registry.add(StandaloneBuffer::staticClassInfo());
    registry.add(BufferVariants::staticClassInfo());
    return registry;
}

}  // namespace solvara
