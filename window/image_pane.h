#pragma once

#include "controls.h"
#include "image_decoding.h"

#include <QFrame>
#include <QPixmap>

namespace twinpics {

// leftImage and rightImage: draws one image, shrunk to fit keeping its proportions and
// never enlarged (ImageScaling::proportionally), or at its own size, centred and cut off at
// the edges (ImageScaling::none). The file is decoded once per showImageFile; painting uses
// a cached copy scaled to the size on screen.
class ImagePane : public QFrame, public ImageView {
    Q_OBJECT

public:
    explicit ImagePane(QWidget* parent = nullptr);

    void showImageFile(const std::string& fullPath, ImageSizing sizing) override;
    void setImageScaling(ImageScaling scaling) override;

    ImageScaling imageScaling() const { return scaling_; }
    bool hasImage() const { return !image_.isNull(); }
    // The size the image is drawn at when nothing is cut off, in points.
    QSizeF imageSize() const { return image_.size; }
    // Where the image is drawn, in the widget's coordinates; may reach past its edges.
    QRectF imageRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void display(DisplayImage image);

    DisplayImage image_;
    ImageScaling scaling_ = ImageScaling::proportionally;
    QPixmap cache_; // image_ scaled to the size of the last proportional drawing
};

} // namespace twinpics
