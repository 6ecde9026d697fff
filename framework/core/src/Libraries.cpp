#include <fw/Exceptions.h>
#include <fw/Libraries.h>
#include <fw/ObjCRuntime.h>

#include <map>
#include <mutex>
#include <string>

namespace fw {

namespace {

using FunctionTable = std::map<std::string, void*, std::less<>>;

std::mutex& registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, FunctionTable, std::less<>>& libraries()
{
    static std::map<std::string, FunctionTable, std::less<>> registry {
        { "Cocoa", { { "NSClassFromString", reinterpret_cast<void*>(&NSClassFromString) } } },
    };
    return registry;
}

} // namespace

void* LoadFunctionPointerFromLibrary(String* function, String* library)
{
    std::lock_guard lock(registryMutex());
    auto found = libraries().find(Text(library));
    if (found == libraries().end())
        return nullptr;
    auto entry = found->second.find(Text(function));
    return entry == found->second.end() ? nullptr : entry->second;
}

void* SetLibraryFunction(std::string_view library, std::string_view function, void* entry)
{
    std::lock_guard lock(registryMutex());
    auto& table = libraries()[std::string(library)];
    auto found = table.find(function);
    void* previous = found == table.end() ? nullptr : found->second;
    if (entry)
        table.insert_or_assign(std::string(function), entry);
    else if (found != table.end())
        table.erase(found);
    return previous;
}

void RuntimeRaiseFunctionNotFoundException(String* function, String* library)
{
    Raise<FunctionNotFoundException>("Could not load the function " + std::string(Text(function)) + " from the library "
        + std::string(Text(library)));
}

} // namespace fw
