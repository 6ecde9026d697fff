#include "NativeClass.h"

#include <fw/FrameworkClasses.h>
#include <fw/Picture.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kPictureSize = 20;
}

Ref<Picture> NewPicture(std::shared_ptr<const void> image, std::int32_t width, std::int32_t height)
{
    auto object = RuntimeNewObject(Picture::Class());
    auto picture = Ref<Picture>::adopt(native_cast<Picture>(object.release()));
    picture->image_ = std::move(image);
    picture->width_ = width;
    picture->height_ = height;
    return picture;
}

ClassRecord* Picture::Class()
{
    using P = Picture;
    static constexpr NativeProperty properties[] = {
        Property<"Width", &P::width>(),
        Property<"Height", &P::height>(),
    };
    static ClassRecord* cls = RegisterNativeClass<Picture>(
        { .superclass = &ObjectClass, .properties = properties, .instanceSize = kPictureSize });
    return cls;
}

} // namespace fw
