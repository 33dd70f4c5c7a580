#include <array>
#include <memory>
#include <string_view>

#include "core/buffer/buffer.h"
#include "core/program/starter_content.h"

namespace solvara {

namespace {

constexpr std::array<std::string_view, 8> kStarterGroups = {
    "acetate buffer",        "ammonia buffer", "phosphate buffer 2.2", "phosphate buffer 7.2",
    "phosphate buffer 12.4", "citrate buffer", "citrate/phosphate",    "HEPES"};

struct StarterVariant {
    std::string_view group;
    std::string_view name;
    std::string_view firstReagent;
    std::string_view secondReagent;
    std::string_view mainComponent;  // an acid
    bool isDefault;
};

constexpr std::array<StarterVariant, 15> kStarterVariants = {{
    {"acetate buffer", "acetic acid/sodium acetate", "acetic acid", "sodium acetate", "acetic acid",
     true},
    {"acetate buffer", "acetic acid/sodium hydroxide", "acetic acid", "sodium hydroxide",
     "acetic acid", false},
    {"ammonia buffer", "ammonia/ammonium chloride", "ammonia", "ammonium chloride", "ammonia",
     true},
    {"ammonia buffer", "ammonia/hydrochloric acid", "ammonia", "hydrochloric acid", "ammonia",
     false},
    {"ammonia buffer", "ammonium chloride/sodium hydroxide", "ammonium chloride",
     "sodium hydroxide", "ammonia", false},
    {"phosphate buffer 2.2", "phosphoric acid/sodium dihydrogenphosphate", "phosphoric acid",
     "sodium dihydrogenphosphate", "phosphoric acid", true},
    {"phosphate buffer 2.2", "phosphoric acid/sodium hydroxide", "phosphoric acid",
     "sodium hydroxide", "phosphoric acid", false},
    {"phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate",
     "sodium dihydrogenphosphate", "disodium hydrogenphosphate", "phosphoric acid", true},
    {"phosphate buffer 7.2", "phosphoric acid/sodium hydroxide", "phosphoric acid",
     "sodium hydroxide", "phosphoric acid", false},
    {"phosphate buffer 12.4", "disodium hydrogenphosphate/trisodium phosphate",
     "disodium hydrogenphosphate", "trisodium phosphate", "phosphoric acid", true},
    {"phosphate buffer 12.4", "phosphoric acid/sodium hydroxide", "phosphoric acid",
     "sodium hydroxide", "phosphoric acid", false},
    {"citrate buffer", "citric acid/sodium hydroxide", "citric acid", "sodium hydroxide",
     "citric acid", true},
    // The misspelt name is the one users of earlier versions know.
    {"citrate/phosphate", "phoshporic acid/trisodium citrate", "phosphoric acid",
     "trisodium citrate", "phosphoric acid", false},
    {"citrate/phosphate", "citric acid/trisodium phosphate", "citric acid", "trisodium phosphate",
     "citric acid", false},
    {"HEPES", "HEPES/sodium hydroxide", "HEPES free acid", "sodium hydroxide", "HEPES", true},
}};

}  // namespace

// Variants get ids 1 to 15 in table order. A name missing from the reagent
// or acid database leaves that part of the variant empty.
void loadStarterBuffers(ProgramModel& program) {
    for (const std::string_view group : kStarterGroups)
        program.buffers.AddGroup(std::string(group));
    for (const StarterVariant& row : kStarterVariants) {
        auto buffer = std::make_unique<Buffer>(program);
        buffer->name = row.name;
        if (const Reagent* first = program.reagents.FindByName(row.firstReagent))
            buffer->SetFirstReagent(*first);
        if (const Reagent* second = program.reagents.FindByName(row.secondReagent))
            buffer->SetSecondReagent(*second);
        if (const BLAcid* mainComponent = program.acids.FindByName(row.mainComponent))
            buffer->SetMainComponent(mainComponent->id);
        buffer->isDefaultVariant = row.isDefault;
        program.buffers.AddVariant(row.group, std::move(buffer));
    }
    program.buffers.clearModified();
}

}  // namespace solvara
