#include "image_pane.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace twinpics {

ImagePane::ImagePane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Dark); // a neutral backdrop that frames light and dark images
    setAutoFillBackground(true);
}

void ImagePane::showImageFile(const std::string& fullPath, ImageSizing sizing) {
    display(decodeImageFile(QFile::decodeName(QByteArray::fromStdString(fullPath)), sizing));
}

void ImagePane::display(DisplayImage image) {
    image_ = image.isNull() ? DisplayImage{} : std::move(image);
    cache_ = QPixmap();
    setToolTip(hasImage()
                   ? tr("%1 × %2 pixels").arg(image_.pixels.width()).arg(image_.pixels.height())
                   : QString());
    update();
}

void ImagePane::setImageScaling(ImageScaling scaling) {
    if (scaling_ == scaling)
        return;
    scaling_ = scaling;
    cache_ = QPixmap();
    update();
}

QRectF ImagePane::imageRect() const {
    if (!hasImage())
        return {};
    QSizeF drawn = image_.size;
    const QRectF room = contentsRect();
    if (scaling_ == ImageScaling::proportionally &&
        (drawn.width() > room.width() || drawn.height() > room.height()))
        drawn.scale(room.size(), Qt::KeepAspectRatio);
    // Whole logical pixels, so that an image drawn at its own size stays sharp.
    const QPointF topLeft(std::floor(room.left() + (room.width() - drawn.width()) / 2.0),
                          std::floor(room.top() + (room.height() - drawn.height()) / 2.0));
    return {topLeft, drawn};
}

QSize ImagePane::sizeHint() const {
    return {320, 240};
}
QSize ImagePane::minimumSizeHint() const {
    return {120, 90};
}

void ImagePane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasImage())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect().intersected(event->rect());
    painter.setClipRect(inside);
    const QRectF target = imageRect();
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels(std::max(1, int(std::lround(target.width() * ratio))),
                             std::max(1, int(std::lround(target.height() * ratio))));

    if (devicePixels == image_.pixels.size()) {
        painter.drawImage(target.topLeft(), image_.pixels);
        return;
    }
    if (scaling_ == ImageScaling::proportionally) {
        // The whole image is on screen: scale it once for this size and keep the copy.
        if (cache_.isNull() || cache_.size() != devicePixels) {
            cache_ = QPixmap::fromImage(image_.pixels.scaled(devicePixels, Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation));
            cache_.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(target.topLeft(), cache_);
        return;
    }
    // Drawn at its own size but decoded at another (a huge image decoded scaled down, or a
    // resolution other than 72 per inch): scale only the part that is visible.
    const QRectF visible = target.intersected(QRectF(inside));
    if (visible.isEmpty())
        return;
    const double sx = image_.pixels.width() / target.width();
    const double sy = image_.pixels.height() / target.height();
    const QRectF source((visible.left() - target.left()) * sx, (visible.top() - target.top()) * sy,
                        visible.width() * sx, visible.height() * sy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(visible, image_.pixels, source);
}

} // namespace twinpics
