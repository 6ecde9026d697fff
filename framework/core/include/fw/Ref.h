// Owning handle for the framework's reference-counted objects and Strings.
//
// Every object or String that a framework call returns carries one reference
// for the caller; `Ref::adopt` takes that reference over, `Ref::retain` adds one
// of its own. The handle drops its reference when it goes, so every exit path of
// a routine, an exception's included, releases what the routine held.
// The counted types provide `lockReference` and `unlockReference` overloads.
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

namespace fw {

template <class T> class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }

    [[nodiscard]] static Ref adopt(T* pointer) noexcept
    {
        Ref ref;
        ref.pointer_ = pointer;
        return ref;
    }

    [[nodiscard]] static Ref retain(T* pointer) noexcept
    {
        if (pointer)
            lockReference(pointer);
        return adopt(pointer);
    }

    Ref(const Ref& other) noexcept
        : pointer_(other.pointer_)
    {
        if (pointer_)
            lockReference(pointer_);
    }

    Ref(Ref&& other) noexcept
        : pointer_(std::exchange(other.pointer_, nullptr))
    {
    }

    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(Ref<U>&& other)
    noexcept
        : pointer_(other.release())
    {
    }

    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(const Ref<U>& other)
    noexcept
        : pointer_(other.get())
    {
        if (pointer_)
            lockReference(pointer_);
    }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(pointer_, other.pointer_);
        return *this;
    }

    ~Ref()
    {
        if (pointer_)
            unlockReference(pointer_);
    }

    T* get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    T& operator*() const noexcept { return *pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // Hands the reference to the caller, who now owns it.
    [[nodiscard]] T* release() noexcept { return std::exchange(pointer_, nullptr); }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.pointer_ == b.pointer_; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.pointer_ == nullptr; }

private:
    T* pointer_ = nullptr;
};

} // namespace fw
