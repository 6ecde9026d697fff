#include <fw/MenuHandlerList.h>
#include <fw/Thread.h>

#include <algorithm>

namespace fw {

void MenuHandlerList::AddMenuHandler(String* itemName, MethodEntry handler)
{
    RequireUIThread();
    auto name = Text(itemName);
    auto found
        = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.itemName == name; });
    if (found != entries_.end())
        found->handler = handler;
    else
        entries_.push_back({ std::string(name), handler });
}

MethodEntry MenuHandlerList::menuHandler(std::string_view itemName) const
{
    for (auto& entry : entries_)
        if (entry.itemName == itemName)
            return entry.handler;
    return nullptr;
}

} // namespace fw
