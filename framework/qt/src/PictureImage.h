// Pictures as the Qt layer decodes them: a Picture's image is a QImage.
#pragma once

#include <fw/Picture.h>

#include <QImage>

#include <cstdint>
#include <span>

namespace fw::qt {

// The picture in a file's bytes, nil when they hold none that Qt can read.
Ref<Picture> DecodePicture(std::span<const std::uint8_t> bytes);
// A picture of an image.
Ref<Picture> PictureOf(QImage image);
// The image of a picture that this layer made, nullptr for nil.
const QImage* ImageOf(const Picture* picture) noexcept;

} // namespace fw::qt
