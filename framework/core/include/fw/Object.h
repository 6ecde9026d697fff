// The root of the framework's objects: a reference count, the class record the
// object was made for, and the fields that the object's classes declare.
//
// `RuntimeNewObject` makes the native object of the nearest class that has a
// native implementation, points it at the class record asked for, gives it the
// fields of the classes below that native class, and runs their `__Init` hooks.
// When the last reference goes, the `__Exit` hooks run (the object's own class
// first) and the object is destroyed.
#pragma once

#include <fw/Ref.h>
#include <fw/String.h>

#include <cassert>
#include <cstdint>
#include <memory>
#include <vector>

namespace fw {

struct ClassRecord;

// The bytes of the instance that one field a class declares takes.
inline constexpr std::int32_t kFieldBytes = 4;

// One field that a class declares: kFieldBytes of the instance, at its byte offset.
struct FieldSlot {
    std::int32_t int32 = 0;
    StringRef string;
    Ref<class Object> object;
};

class Object {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    ClassRecord* classRecord() const noexcept { return class_; }
    std::int32_t referenceCount() const noexcept { return references_; }

    // The field at a byte offset that one of the object's classes declared.
    FieldSlot& field(std::int32_t offset);

    // The handlers bound to this object's events, for objects that raise events.
    virtual class EventHandlers* eventHandlers() noexcept { return nullptr; }

protected:
    Object() noexcept;

private:
    friend void RuntimeLockObject(Object*) noexcept;
    friend void RuntimeUnlockObject(Object*) noexcept;
    friend Ref<Object> RuntimeNewObject(ClassRecord*);
    friend class WeakRef;

    std::int32_t references_ = 1;
    ClassRecord* class_ = nullptr;
    std::int32_t firstFieldOffset_ = 0;
    std::vector<FieldSlot> fields_;
    std::shared_ptr<Object*> anchor_;
};

void RuntimeLockObject(Object* object) noexcept;
void RuntimeUnlockObject(Object* object) noexcept;
// Assignment of an object variable: the new value gains a reference, the old loses one.
void RuntimeLockUnlockObjects(Object* newValue, Object* oldValue) noexcept;

inline void lockReference(Object* object) noexcept { RuntimeLockObject(object); }
inline void unlockReference(Object* object) noexcept { RuntimeUnlockObject(object); }

// Objects alive right now; leak tests compare it before and after.
std::int64_t LiveObjectCount() noexcept;

// A reference that does not keep its object alive and reads nil once it is gone.
class WeakRef {
public:
    WeakRef() = default;
    explicit WeakRef(Object* object);
    Object* get() const noexcept { return anchor_ ? *anchor_ : nullptr; }

private:
    std::shared_ptr<Object*> anchor_;
};

// A checked downcast between native classes; the class records decide what is legal,
// so a mismatch here is a programmer's mistake.
template <class T> T* native_cast(Object* object) noexcept
{
    assert(!object || dynamic_cast<T*>(object));
    return static_cast<T*>(object);
}

} // namespace fw
