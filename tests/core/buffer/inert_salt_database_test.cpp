#include "core/buffer/inert_salt_database.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

InertSalt salt(const std::string& name, bool isDefault) {
    InertSalt result;
    result.name = name;
    result.formula = name + "^+," + name + "^-";
    result.isDefault = isDefault;
    return result;
}

class InertSaltDatabaseTest : public ::testing::Test {
  protected:
    void add(const std::string& name, bool isDefault) {
        InertSalt added = salt(name, isDefault);
        salts.Add(added);
    }
    InertSaltDatabase salts;
};

TEST_F(InertSaltDatabaseTest, TheFirstDefaultSaltAddedStaysTheDefault) {
    EXPECT_EQ(salts.DefaultSalt(), nullptr);
    add("A", false);
    EXPECT_EQ(salts.defaultIndex(), -1);
    InertSalt b = salt("B", true);
    salts.Add(b);
    EXPECT_EQ(b.id, 2);
    add("C", true);
    EXPECT_EQ(salts.defaultIndex(), 1);
    EXPECT_EQ(salts.DefaultSalt()->name, "B");
    EXPECT_EQ(salts.FindByFormula("C^+,C^-")->id, 3);
}

TEST_F(InertSaltDatabaseTest, RemovingOrUnmarkingTheDefaultPassesItOn) {
    add("A", false);
    add("B", true);
    add("C", true);
    add("D", true);
    salts.Remove(2);
    EXPECT_EQ(salts.DefaultSalt()->name, "C");

    InertSalt c = *salts.FindById(3);
    c.isDefault = false;
    salts.Replace(c);
    EXPECT_EQ(salts.DefaultSalt()->name, "D");
    salts.Remove(4);
    EXPECT_EQ(salts.DefaultSalt(), nullptr);
}

TEST_F(InertSaltDatabaseTest, ReadBackSaltsKnowTheirDefault) {
    add("A", false);
    add("B", true);
    const std::string bytes = testing::store([&](Archive& archive) { salts.Serialize(archive); });
    std::istringstream in(bytes);
    const ClassRegistry registry = makeProgramClassRegistry();
    Archive archive(in, registry, testing::kTestFileName);
    InertSaltDatabase loaded;
    loaded.Serialize(archive);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.nextId(), 2);
    EXPECT_EQ(loaded.DefaultSalt()->name, "B");
    EXPECT_FALSE(loaded.isModified());
}

}  // namespace
}  // namespace solvara
