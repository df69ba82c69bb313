#pragma once

#include <QIcon>
#include <QImage>

#include "platform/IconImage.h"

namespace cdx {

// Conversions between the notification area's icon pictures and Qt images.
QImage toQImage(const IconImage& image);
IconHandle toIconHandle(const QImage& image);
// The icon rendered at `size` x `size` pixels.
IconHandle toIconHandle(const QIcon& icon, int size);

} // namespace cdx
