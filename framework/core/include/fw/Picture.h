// A picture: an image that a canvas or a window shows as its backdrop. The image
// itself is opaque here; the user-interface layer decodes it (from a file, for
// FolderItem.OpenAsPicture) and reads it back when it draws.
#pragma once

#include <fw/ClassRecord.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace fw {

class Picture : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Picture";

    const std::shared_ptr<const void>& image() const noexcept { return image_; }
    std::int32_t width() const noexcept { return width_; }
    std::int32_t height() const noexcept { return height_; }

private:
    friend Ref<Picture> NewPicture(std::shared_ptr<const void> image, std::int32_t width, std::int32_t height);

    std::shared_ptr<const void> image_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

// A new picture of a decoded image, with one reference for the caller.
Ref<Picture> NewPicture(std::shared_ptr<const void> image, std::int32_t width, std::int32_t height);

} // namespace fw
