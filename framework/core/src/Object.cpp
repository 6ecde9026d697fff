#include <fw/ClassRecord.h>
#include <fw/Object.h>

#include <cassert>
#include <cstdlib>

namespace fw {

namespace {
std::int64_t liveObjects = 0;

void runExitHooks(Object* object)
{
    for (auto* cls = object->classRecord(); cls; cls = cls->superclass)
        if (cls->exitHook)
            cls->exitHook(object);
}
} // namespace

Object::Object() noexcept { ++liveObjects; }

Object::~Object()
{
    if (anchor_)
        *anchor_ = nullptr;
    --liveObjects;
}

FieldSlot& Object::field(std::int32_t offset)
{
    // A field outside the declared ones is a programmer's mistake; never touch memory for it.
    auto index = (offset - firstFieldOffset_) / kFieldBytes;
    if (offset < firstFieldOffset_ || offset % kFieldBytes != 0 || static_cast<std::size_t>(index) >= fields_.size())
        std::abort();
    return fields_[static_cast<std::size_t>(index)];
}

void RuntimeLockObject(Object* object) noexcept
{
    if (object)
        ++object->references_;
}

void RuntimeUnlockObject(Object* object) noexcept
{
    if (!object)
        return;
    assert(object->references_ > 0);
    if (--object->references_ > 0)
        return;
    // The hooks may take and drop references to the object itself; keep it alive meanwhile.
    object->references_ = 1;
    runExitHooks(object);
    delete object;
}

void RuntimeLockUnlockObjects(Object* newValue, Object* oldValue) noexcept
{
    RuntimeLockObject(newValue);
    RuntimeUnlockObject(oldValue);
}

std::int64_t LiveObjectCount() noexcept { return liveObjects; }

WeakRef::WeakRef(Object* object)
{
    if (!object)
        return;
    if (!object->anchor_)
        object->anchor_ = std::make_shared<Object*>(object);
    anchor_ = object->anchor_;
}

} // namespace fw
