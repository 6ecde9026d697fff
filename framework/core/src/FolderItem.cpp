#include "NativeClass.h"

#include <fw/FolderItem.h>
#include <fw/FrameworkClasses.h>
#include <fw/Picture.h>

#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/auxv.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kFolderItemSize = 24;

PictureDecoder& pictureDecoder()
{
    static PictureDecoder decoder;
    return decoder;
}

bool holdsSeparator(std::string_view name)
{
    if (name.find('/') != std::string_view::npos)
        return true;
    constexpr auto preferred = static_cast<char>(std::filesystem::path::preferred_separator);
    return name.find(preferred) != std::string_view::npos;
}

std::filesystem::path normalised(const std::filesystem::path& path)
{
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error);
    auto normal = (error ? path : absolute).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path())
        normal = normal.parent_path(); // "/a/b/" names "/a/b"
    return normal;
}

std::filesystem::path runningProgram()
{
    std::error_code error;
#if defined(__linux__)
    auto link = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return link;
    // Without /proc, the path the program was started by.
    if (auto* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN)))
        return std::filesystem::canonical(started, error);
    return {};
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0)
        return {};
    return std::filesystem::canonical(buffer.c_str(), error);
#elif defined(_WIN32)
    std::wstring buffer(32768, L'\0');
    auto length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length == buffer.size())
        return {};
    buffer.resize(length);
    return std::filesystem::path(buffer);
#else
    return {};
#endif
}
} // namespace

Ref<FolderItem> FolderItem::ForPath(const std::filesystem::path& path)
{
    auto object = RuntimeNewObject(Class());
    auto item = Ref<FolderItem>::adopt(native_cast<FolderItem>(object.release()));
    item->setPath(normalised(path));
    return item;
}

void FolderItem::setPath(std::filesystem::path path)
{
    path_ = std::move(path);
    name_ = path_.filename().string();
    nativePath_ = path_.string();
}

Ref<FolderItem> FolderItem::parent() const
{
    if (!path_.has_relative_path())
        return nullptr;
    return ForPath(path_.parent_path());
}

Ref<FolderItem> FolderItem::Child(String* name) const
{
    auto text = Text(name);
    if (text.empty() || holdsSeparator(text) || text == "." || text == "..")
        return nullptr;
    return ForPath(path_ / std::filesystem::path(std::string(text)));
}

bool FolderItem::exists() const
{
    std::error_code error;
    return std::filesystem::exists(path_, error);
}

bool FolderItem::directory() const
{
    std::error_code error;
    return std::filesystem::is_directory(path_, error);
}

Ref<Picture> FolderItem::OpenAsPicture() const
{
    try {
        auto& decoder = pictureDecoder();
        std::error_code error;
        if (!decoder || !std::filesystem::is_regular_file(path_, error))
            return nullptr;
        std::ifstream file(path_, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (!file.good() && !file.eof())
            return nullptr;
        return decoder(bytes);
    } catch (const std::exception&) {
        return nullptr; // an unreadable file or a failing decoder is only no picture
    }
}

namespace {
std::filesystem::path& applicationFileOverride()
{
    static std::filesystem::path path;
    return path;
}
} // namespace

std::filesystem::path ApplicationFilePath()
{
    return applicationFileOverride().empty() ? runningProgram() : applicationFileOverride();
}

void SetApplicationFilePath(std::filesystem::path path) { applicationFileOverride() = std::move(path); }

Ref<FolderItem> AppFolderItemGetter(std::int32_t which)
{
    if (which != kApplicationFileItem)
        return nullptr;
    auto path = ApplicationFilePath();
    return path.empty() ? nullptr : FolderItem::ForPath(path);
}

PictureDecoder InstallPictureDecoder(PictureDecoder decoder)
{
    return std::exchange(pictureDecoder(), std::move(decoder));
}

ClassRecord* FolderItem::Class()
{
    using F = FolderItem;
    static constexpr NativeMethod methods[] = {
        Routine<&F::Child>("Child"),
        Routine<&F::OpenAsPicture>("OpenAsPicture"),
    };
    static constexpr NativeProperty properties[] = {
        Property<"Name", &F::name>(),
        Property<"NativePath", &F::nativePath>(),
        Property<"Parent", &F::parent>(),
        Property<"Exists", &F::exists>(),
        Property<"Directory", &F::directory>(),
    };
    static ClassRecord* cls = RegisterNativeClass<FolderItem>(
        { .superclass = &ObjectClass, .methods = methods, .properties = properties, .instanceSize = kFolderItemSize });
    return cls;
}

} // namespace fw
