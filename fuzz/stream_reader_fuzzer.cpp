// Arbitrary bytes as a property stream: the reader must end cleanly or throw
// StreamFormatError, and every record it hands out must lie inside the input.
#include <fw/StreamReader.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

bool inside(std::span<const std::uint8_t> input, const char* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
    return size == 0
        || (bytes >= input.data() && size <= input.size()
            && static_cast<std::size_t>(bytes - input.data()) <= input.size() - size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    fw::StreamReader reader(input);
    fw::StreamRecord record;
    std::size_t previous = 0;
    try {
        while (reader.next(record)) {
            if (record.offset != previous || reader.position() <= previous || reader.position() > size)
                std::abort();
            if (!inside(input, record.key.data(), record.key.size())
                || !inside(input, record.string.data(), record.string.size())
                || fw::findPropertyKey(record.key) == nullptr)
                std::abort();
            previous = reader.position();
        }
        if (reader.position() != size)
            std::abort();
    } catch (const fw::StreamFormatError& error) {
        if (error.offset() != previous || reader.position() != previous)
            std::abort();
    }
    return 0;
}
