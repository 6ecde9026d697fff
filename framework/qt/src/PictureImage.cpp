#include "PictureImage.h"

#include <memory>

namespace fw::qt {

Ref<Picture> DecodePicture(std::span<const std::uint8_t> bytes)
{
    QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
    if (image.isNull())
        return nullptr;
    return PictureOf(std::move(image));
}

Ref<Picture> PictureOf(QImage image)
{
    auto width = image.width();
    auto height = image.height();
    return NewPicture(std::make_shared<const QImage>(std::move(image)), width, height);
}

const QImage* ImageOf(const Picture* picture) noexcept
{
    return picture && picture->image() ? static_cast<const QImage*>(picture->image().get()) : nullptr;
}

} // namespace fw::qt
