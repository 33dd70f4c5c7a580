#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace solvara {

class Archive;
class CObject;

// Run-time description of a persistent class: the name and schema number that
// tag its objects in a stream, its base class, and how to create an empty one.
struct ClassInfo {
    std::string_view name;
    std::uint16_t schema;
    const ClassInfo* base;                 // nullptr for a root class
    std::unique_ptr<CObject> (*create)();  // nullptr for a class that cannot be created

    // True when this class is `other` or derives from it.
    bool derivesFrom(const ClassInfo& other) const;
};

// A class that must never be written as an object reference carries this schema.
inline constexpr std::uint16_t kNotSerializableSchema = 0xFFFF;

// Root of every persistent model class.
class CObject {
  public:
    virtual ~CObject();
    virtual const ClassInfo& classInfo() const = 0;
    // Writes the object's record when the archive is storing, reads the same
    // record in the same order when it is loading.
    virtual void Serialize(Archive& archive) = 0;

  protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The `create` function of a default-constructible class.
template <class T>
std::unique_ptr<CObject> createObject() {
    return std::make_unique<T>();
}

}  // namespace solvara
