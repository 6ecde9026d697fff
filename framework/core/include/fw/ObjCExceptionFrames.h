// The exception frames that guard Objective-C messages (ObjCRuntime.h).
//
// A frame is an `ObjCExceptionData` block, zero-filled by its owner, entered with
// `objc_exception_try_enter` and left with `objc_exception_try_exit`; an
// Objective-C throw is caught by the innermost entered frame.
// `objc_exception_setjmp` stands for the platform's setjmp on the block's jump
// buffer: it runs the frame's body and returns 0 when the body finished, non-zero
// when an Objective-C exception was thrown inside it. The thrown exception has
// then left the frame, as on the platform, and `objc_exception_extract` gives it.
// No setjmp or longjmp happens, so every C++ destructor inside the body runs. Any
// other exception leaving the body takes the frame with it (it is left, so no
// frame of a finished call stays entered) and passes on.
//
// shell/AboutMenuHandler.cpp shows the two frames of the About menu item's road.
// Frames belong to the thread that entered them.
#pragma once

#include <fw/ObjCRuntime.h>

#include <cassert>
#include <csetjmp>
#include <utility>

namespace fw {

// An exception frame: a block of the platform's form, a jump buffer and four pointers.
struct ObjCExceptionData {
    alignas(std::jmp_buf) unsigned char jumpBuffer[sizeof(std::jmp_buf)];
    void* pointers[4];
};

// What objc_exception_setjmp returns when an Objective-C exception was thrown in the frame.
inline constexpr int kObjCExceptionThrown = 1;

void objc_exception_try_enter(ObjCExceptionData* frame);
// Leaves the frame, which must be the innermost one entered.
void objc_exception_try_exit(ObjCExceptionData* frame);
// The exception thrown inside the frame; nil when none was.
void* objc_exception_extract(ObjCExceptionData* frame);

namespace detail {
bool IsEnteredFrame(const ObjCExceptionData* frame) noexcept;
// Both leave the frame and every frame entered after it.
bool CatchIntoFrame(ObjCExceptionData* frame, objc::id exception) noexcept;
void DropFrame(ObjCExceptionData* frame) noexcept;
} // namespace detail

template <class Body> int objc_exception_setjmp(ObjCExceptionData* frame, Body&& body)
{
    assert(detail::IsEnteredFrame(frame) && "a frame is entered with objc_exception_try_enter first");
    try {
        std::forward<Body>(body)();
        return 0;
    } catch (const objc::ObjCThrown& thrown) {
        // Thrown after the body left this frame: it belongs to an enclosing one.
        if (!detail::CatchIntoFrame(frame, thrown.exception()))
            throw;
        return kObjCExceptionThrown;
    } catch (...) {
        detail::DropFrame(frame);
        throw;
    }
}

} // namespace fw
