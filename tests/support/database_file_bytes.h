#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/chemistry/element_table.h"
#include "support/record_bytes.h"

namespace solvara::testing {

// Whole database files built item by item from their byte layout, in the
// versions other writers produce, so that reading is checked against the
// format rather than against this program's own writer.
class DatabaseFileBytes {
  public:
    // Object references: a class description on its first use, then its
    // index; classes and objects share one index sequence from 1.
    DatabaseFileBytes& newObject(std::string_view className) {
        const auto known = classIndexes_.find(std::string(className));
        if (known != classIndexes_.end()) {
            bytes.count(static_cast<std::uint16_t>(0x8000 | known->second));
        } else {
            bytes.count(0xFFFF)
                .count(1)
                .count(static_cast<std::uint16_t>(className.size()))
                .raw(className);
            classIndexes_[std::string(className)] = nextIndex_++;
        }
        ++nextIndex_;
        return *this;
    }

    // The built-in elements in the layout of `version`: the first version
    // has no electron and no end marker. `stale` entries follow `count` in
    // the array, as a table that lost moieties stores them.
    DatabaseFileBytes& elementTable(std::int32_t version, int stale = 0) {
        ElementTable builtIn;
        builtIn.loadBuiltIn();
        const int first = version == 0x10000 ? 1 : 0;
        const int count = builtIn.count() - first;
        bytes.int32(version).int32(count).count(static_cast<std::uint16_t>(count + stale));
        for (int position = first; position < builtIn.count(); ++position)
            element(builtIn[position]);
        for (int i = 0; i < stale; ++i) element({"Stale", "", "", 1.0, 0});
        if (version == 0x20000) bytes.string("Database EOF");
        return *this;
    }

    DatabaseFileBytes& element(const Element& entry) {
        bytes.string(entry.symbol)
            .string(entry.composition)
            .string(entry.comment)
            .float64(entry.molarMass)
            .int32(entry.decimals);
        return *this;
    }

    DatabaseFileBytes& listHeader(std::int32_t nextId, std::uint16_t count) {
        bytes.int32(0x10000).int32(nextId).count(count);
        return *this;
    }

    DatabaseFileBytes& substance(std::string_view name, std::string_view formula,
                                 double molarMass) {
        bytes.int32(0x10000).string(name).string(formula).string("").float64(molarMass).int32(3);
        return *this;
    }

    // Hydrochloric acid with pKa -4: two forms, "HCl" and "Cl^-".
    DatabaseFileBytes& hydrochloricAcid(std::int32_t version, std::int32_t id) {
        newObject("BLAcid");
        bytes.int32(version);
        substance("hydrochloric acid", "HCl", 36.46094);
        bytes.int32(1);
        for (const char* form : {"HCl", "Cl^-", "", "", ""}) bytes.string(form);
        for (const std::int32_t charge : {0, -1, 0, 0, 0}) bytes.int32(charge);
        bytes.float64(25.0);
        for (int i = 0; i < 52; ++i) bytes.float64(i == 28 ? -4.0 : 0.0);  // pKa_1 is the 29th
        bytes.int32(id);
        if (version == 0x10000) {
            for (int i = 0; i < 8; ++i) bytes.float64(0.0);
        }
        bytes.string("");
        return *this;
    }

    // A reagent in one of its three layouts; its analysis results are
    // deliberately wrong, since loading analyses the formula again.
    DatabaseFileBytes& reagent(std::int32_t version, std::string_view name,
                               std::string_view formula, double concentration, std::int32_t id) {
        newObject("Reagent");
        bytes.int32(version);
        const bool oldLayout = version == 0x10000 || version == 0x10001;
        if (oldLayout) {
            bytes.string(formula).string(name);
        } else {
            substance(name, formula, 0.0);
        }
        bytes.float64(concentration).float64(9.0).float64(9.0).int32(0).int32(id);
        if (oldLayout) bytes.float64(0.0);
        bytes.count(1).int32(999);
        if (version != 0x10000) dataSet(formula, concentration);
        bytes.count(1).float64(9.0);
        return *this;
    }

    DatabaseFileBytes& dataSet(std::string_view formula, double concentration) {
        bytes.int32(0x10000).int32(0).int32(0);
        for (const double value : {concentration, concentration, 58.44, 0.1, 5.844, 1.0, 1.0})
            bytes.float64(value);
        bytes.string(formula);
        return *this;
    }

    DatabaseFileBytes& salt(std::int32_t version, std::string_view name, std::string_view formula,
                            std::int32_t id, bool isDefault, bool wideName = false) {
        newObject("InertSalt");
        bytes.int32(version).int32(0x10000);
        if (wideName) {
            bytes.wideString(name);
        } else {
            bytes.string(name);
        }
        bytes.string(formula).string("").float64(58.44277).int32(3);
        bytes.int32(isDefault ? 1 : 0).int32(2).int32(0).float64(1.0).int32(id);
        if (version == 0x10001) dataSet(formula, 1.0);
        return *this;
    }

    // The buffer database header; groups follow, each as its key and then
    // bufferGroup.
    DatabaseFileBytes& bufferDatabase(std::int32_t version, std::int32_t nextId,
                                      std::uint16_t groupCount) {
        bytes.int32(version).int32(nextId).count(groupCount);
        return *this;
    }

    // A group whose variants follow, each as its key and then variant.
    DatabaseFileBytes& bufferGroup(std::string_view name, std::uint16_t variantCount) {
        newObject("BufferVariants");
        bytes.string(name).count(variantCount);
        return *this;
    }

    DatabaseFileBytes& variant(std::string_view name, std::int32_t firstReagentId,
                               std::int32_t secondReagentId, std::int32_t mainComponentId,
                               bool isDefault, std::int32_t id, double baseExcess = 0.0) {
        newObject("Buffer");
        bytes.int32(0x10000).string(name).int32(mainComponentId).int32(isDefault ? 1 : 0);
        bytes.float64(baseExcess).int32(firstReagentId).int32(secondReagentId).int32(id);
        return *this;
    }

    // A reference to the object that was given `index`.
    DatabaseFileBytes& sameObject(std::uint16_t index) {
        bytes.count(index);
        return *this;
    }

    // The index the last new object was given.
    std::uint16_t lastIndex() const { return static_cast<std::uint16_t>(nextIndex_ - 1); }

    RecordBytes bytes;

  private:
    std::map<std::string, std::uint16_t> classIndexes_;
    std::uint16_t nextIndex_ = 1;
};

}  // namespace solvara::testing
