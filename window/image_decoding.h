#pragma once

#include "controls.h"

#include <QImage>
#include <QSizeF>
#include <QString>

namespace twinpics {

// An image decoded for display: the pixels, possibly fewer than the file holds when it is
// very large, and the size it is drawn at in points (one point per logical pixel).
struct DisplayImage {
    QImage pixels;
    QSizeF size;

    bool isNull() const { return pixels.isNull() || size.isEmpty(); }
};

// The most pixels kept for one display (6000 × 6000). A larger JPEG is decoded scaled down
// by libjpeg; a larger image of another format is decoded whole and scaled down if it has at
// most maxFullyDecodedPixels (a moment's work), and not decoded at all beyond that.
inline constexpr qint64 maxDecodedPixels = 36'000'000;
inline constexpr qint64 maxFullyDecodedPixels = 100'000'000;

// The resolution, in dots per inch, that a decoded image records along one axis: 72 when
// the file records none (Qt then leaves its own default on the image).
double recordedDpi(int dotsPerMeter, int defaultDotsPerMeter);

// Decodes the file once. pixelSize draws one point per pixel; asStored draws
// pixels × 72 ÷ the resolution the file records. A file that cannot be decoded, or is too
// large to decode, gives a null image.
DisplayImage decodeImageFile(const QString& path, ImageSizing sizing);

} // namespace twinpics
