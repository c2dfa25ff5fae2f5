#include "image_decoding.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace twinpics {
namespace {

constexpr double metersPerInch = 0.0254;
// Four bytes a pixel, and some room for the decoder's own buffers.
constexpr int megabytesFor(qint64 pixels) {
    return int(4 * pixels / (1024 * 1024) + 16);
}

// What Qt puts on an image whose file records no resolution.
int defaultDotsPerMeterX() {
    return QImage(1, 1, QImage::Format_Mono).dotsPerMeterX();
}
int defaultDotsPerMeterY() {
    return QImage(1, 1, QImage::Format_Mono).dotsPerMeterY();
}

} // namespace

double recordedDpi(int dotsPerMeter, int defaultDotsPerMeter) {
    if (dotsPerMeter <= 0 || dotsPerMeter == defaultDotsPerMeter)
        return 72.0;
    // Files record whole numbers per inch or per metre; rounding to a whole number per inch
    // undoes the metre conversion (72 per inch is stored as 2835 per metre).
    const double dpi = std::round(dotsPerMeter * metersPerInch);
    return dpi >= 1.0 ? dpi : 72.0;
}

DisplayImage decodeImageFile(const QString& path, ImageSizing sizing) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(megabytesFor(maxDecodedPixels));
    // The header alone tells the size; a huge image is decoded scaled down, or not at all.
    const QSize fileSize = reader.size();
    const qint64 filePixels = fileSize.isValid() ? qint64(fileSize.width()) * fileSize.height() : 0;
    if (filePixels > maxDecodedPixels) {
        int denominator = 0;
        if (reader.format() == "jpeg") {
            // libjpeg scales while decoding, by halves: ask for an exact half, quarter or
            // eighth, so that no larger copy is ever made.
            for (int d = 2; d <= 8 && denominator == 0; d *= 2)
                if (filePixels / (qint64(d) * d) <= maxDecodedPixels)
                    denominator = d;
        }
        if (denominator != 0) {
            reader.setScaledSize(QSize(std::max(1, fileSize.width() / denominator),
                                       std::max(1, fileSize.height() / denominator)));
        } else if (filePixels <= maxFullyDecodedPixels) {
            // Other formats decode whole and are then scaled down to what is kept.
            reader.setAllocationLimit(megabytesFor(maxFullyDecodedPixels));
            const double factor = std::sqrt(double(maxDecodedPixels) / double(filePixels));
            reader.setScaledSize(QSize(std::max(1, int(fileSize.width() * factor)),
                                       std::max(1, int(fileSize.height() * factor))));
        } else {
            return {}; // too large to decode in a moment: the view stays empty
        }
    }

    QImage image = reader.read();
    if (image.isNull())
        return {};

    // The size in pixels of the file, after the rotation the file records.
    QSizeF pixelSize = image.size();
    if (filePixels > maxDecodedPixels) {
        const bool turned =
            reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        pixelSize = turned ? QSizeF(fileSize.height(), fileSize.width()) : QSizeF(fileSize);
    }

    DisplayImage shown{std::move(image), pixelSize};
    if (sizing == ImageSizing::asStored) {
        const double dpiX = recordedDpi(shown.pixels.dotsPerMeterX(), defaultDotsPerMeterX());
        const double dpiY = recordedDpi(shown.pixels.dotsPerMeterY(), defaultDotsPerMeterY());
        shown.size = QSizeF(pixelSize.width() * 72.0 / dpiX, pixelSize.height() * 72.0 / dpiY);
    }
    return shown;
}

} // namespace twinpics
