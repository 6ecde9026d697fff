// Classes that the framework names in its signatures without implementing them:
// a tray item that an application adds to the system tray, and the graphics
// context that a control draws into. Each has a class record for casts to it, so
// that a parameter of type `ObjectOf<TrayItem>` says its class; the record is not
// registered and no object is of its class, so a cast to it lets only nil through.
#pragma once

#include <fw/ClassRecord.h>

#include <string_view>

namespace fw {

struct TrayItem {
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "TrayItem";
};

struct Graphics {
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Graphics";
};

} // namespace fw
