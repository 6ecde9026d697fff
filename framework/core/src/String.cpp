#include <fw/String.h>

#include <cassert>
#include <cstring>
#include <new>

namespace fw {

namespace {
constexpr std::int32_t kRuntimeStorage = 1;
}

void RuntimeLockString(String* string) noexcept
{
    if (string)
        ++string->references;
}

void RuntimeUnlockString(String* string) noexcept
{
    if (!string)
        return;
    assert(string->references > 0 || string->storage != kRuntimeStorage);
    if (--string->references > 0 || string->storage != kRuntimeStorage)
        return; // literals are constant data and never freed
    string->~String();
    ::operator delete(static_cast<void*>(string));
}

void RuntimeLockUnlockStrings(String* newValue, String* oldValue) noexcept
{
    RuntimeLockString(newValue);
    RuntimeUnlockString(oldValue);
}

StringRef NewString(std::string_view text)
{
    // One block: the record, then the length byte, the text and the zero byte.
    void* block = ::operator new(sizeof(String) + text.size() + 2);
    auto* bytes = static_cast<std::uint8_t*>(block) + sizeof(String);
    bytes[0] = LengthByte(text.size());
    if (!text.empty())
        std::memcpy(bytes + 1, text.data(), text.size());
    bytes[text.size() + 1] = 0;
    auto* string
        = new (block) String { 1, bytes, kRuntimeStorage, static_cast<std::uint32_t>(text.size()), kUTF8Encoding, 0 };
    return StringRef::adopt(string);
}

} // namespace fw
