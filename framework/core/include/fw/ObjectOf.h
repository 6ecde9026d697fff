// An object of a class that no C++ class is: `ObjectOf<C>`.
//
// Most classes a method takes are native classes, and a parameter says its class
// by its C++ type (`Window*`). Two kinds of class have no C++ class of their own:
// an interface, which classes of any C++ type implement (actionNotificationReceiver),
// and a class that the framework names in signatures without implementing it
// (UnimplementedClasses.h). For these, `C` is a plain type that names the class
// (`kClassName`) and gives its class record (`Class()`), and a parameter of type
// `ObjectOf<C>` takes the object as an `Object*` known to be of that class: `cast`
// is the only way to make one, so it holds nil or an object of class C.
#pragma once

#include <fw/ClassRecord.h>

namespace fw {

template <class C> class ObjectOf {
public:
    ObjectOf() noexcept = default; // nil

    // The object as one of class C: nil stays nil, an object of another class
    // raises IllegalCastException.
    static ObjectOf cast(Object* object)
    {
        (void)RuntimeCheckCast(object, C::Class());
        return ObjectOf(object);
    }

    Object* get() const noexcept { return object_; }

private:
    explicit ObjectOf(Object* object) noexcept
        : object_(object)
    {
    }

    Object* object_ = nullptr;
};

} // namespace fw
