// The menu handlers that a window or a control keeps for the menu entries it
// handles itself, by the entry's Name; a later handler for a Name replaces the
// earlier one.
#pragma once

#include <fw/ClassRecord.h>

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuHandlerList {
public:
    // "_AddMenuHandler": the handler is `bool(Object*)` in the uniform convention.
    void AddMenuHandler(String* itemName, MethodEntry handler);
    // The handler kept for the Name, nullptr when none is.
    MethodEntry menuHandler(std::string_view itemName) const;

protected:
    MenuHandlerList() = default;
    ~MenuHandlerList() = default;

private:
    struct Entry {
        std::string itemName;
        MethodEntry handler;
    };
    std::vector<Entry> entries_;
};

} // namespace fw
