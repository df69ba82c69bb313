#include "platform/qt/QtIconImage.h"

#include <cstring>

namespace cdx {

QImage toQImage(const IconImage& image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        return {};
    }
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(result.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
    }
    return result;
}

IconHandle toIconHandle(const QImage& image)
{
    auto result = std::make_shared<IconImage>();
    if (image.isNull()) {
        return result;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    result->width = argb.width();
    result->height = argb.height();
    result->pixels.resize(static_cast<std::size_t>(argb.width()) * static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        std::memcpy(result->pixels.data() + static_cast<std::size_t>(y) * argb.width(), argb.constScanLine(y),
                    static_cast<std::size_t>(argb.width()) * sizeof(std::uint32_t));
    }
    return result;
}

IconHandle toIconHandle(const QIcon& icon, int size)
{
    return toIconHandle(icon.pixmap(size, size).toImage());
}

} // namespace cdx
