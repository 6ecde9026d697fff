#include <fw/ObjCExceptionFrames.h>

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// Where a frame keeps the exception thrown inside it.
constexpr std::size_t kExceptionPointer = 0;

// The frames this thread has entered and not yet left, innermost last. Kept apart
// from the blocks, so leaving frames never reads a block whose owner has returned.
thread_local std::vector<ObjCExceptionData*> enteredFrames;

// Leaves the frame and every frame entered after it; false when it is not entered.
bool leaveThrough(ObjCExceptionData* frame) noexcept
{
    auto found = std::find(enteredFrames.begin(), enteredFrames.end(), frame);
    if (found == enteredFrames.end())
        return false;
    enteredFrames.erase(found, enteredFrames.end());
    return true;
}

} // namespace

void objc_exception_try_enter(ObjCExceptionData* frame)
{
    assert(frame && !detail::IsEnteredFrame(frame) && "a frame is entered once at a time");
    frame->pointers[kExceptionPointer] = nullptr;
    enteredFrames.push_back(frame);
}

void objc_exception_try_exit(ObjCExceptionData* frame)
{
    assert(!enteredFrames.empty() && enteredFrames.back() == frame && "frames are left innermost first");
    leaveThrough(frame);
}

void* objc_exception_extract(ObjCExceptionData* frame)
{
    assert(frame);
    return frame->pointers[kExceptionPointer];
}

namespace detail {

bool IsEnteredFrame(const ObjCExceptionData* frame) noexcept
{
    return std::find(enteredFrames.begin(), enteredFrames.end(), frame) != enteredFrames.end();
}

bool CatchIntoFrame(ObjCExceptionData* frame, objc::id exception) noexcept
{
    if (!leaveThrough(frame))
        return false;
    frame->pointers[kExceptionPointer] = exception;
    return true;
}

void DropFrame(ObjCExceptionData* frame) noexcept { leaveThrough(frame); }

} // namespace detail

} // namespace fw
