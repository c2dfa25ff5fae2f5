// The image view: decoding for display, the two sizings, the two scalings, and images that
// are broken or huge.
#include "image_decoding.h"
#include "image_pane.h"
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

using namespace twinpics;
using twinpics::test::TempTree;

class ImageViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pixelSizeIgnoresTheRecordedResolution();
    void asStoredFollowsTheRecordedResolution();
    void aFileWithoutResolutionCountsAs72();
    void anUndecodableFileLeavesTheViewEmpty();
    void proportionallyShrinksToFitAndNeverEnlarges();
    void noneDrawsAtOwnSizeCentredAndCutOff();
    void scalingStaysForLaterImages();
    void aHugePngIsRefusedAtOnce();
    void aHugeJpegIsDecodedScaledDown();
    void aLargePngIsDecodedAndScaledDown();
};

void ImageViewTest::pixelSizeIgnoresTheRecordedResolution() {
    TempTree tree;
    tree.writePng("hi.png", Qt::red, {600, 400}, 144);
    const DisplayImage image = decodeImageFile(tree.path("hi.png"), ImageSizing::pixelSize);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size, QSizeF(600, 400));
}

void ImageViewTest::asStoredFollowsTheRecordedResolution() {
    TempTree tree;
    tree.writePng("hi.png", Qt::red, {600, 400}, 144);
    QCOMPARE(decodeImageFile(tree.path("hi.png"), ImageSizing::asStored).size, QSizeF(300, 200));
    tree.writePng("lo.png", Qt::red, {600, 400}, 36);
    QCOMPARE(decodeImageFile(tree.path("lo.png"), ImageSizing::asStored).size, QSizeF(1200, 800));
    tree.writePng("72.png", Qt::red, {600, 400}, 72);
    QCOMPARE(decodeImageFile(tree.path("72.png"), ImageSizing::asStored).size, QSizeF(600, 400));
}

void ImageViewTest::aFileWithoutResolutionCountsAs72() {
    TempTree tree;
    tree.writePng("none.png", Qt::blue, {90, 60}, 144);
    // Qt always writes a resolution; take its chunk (length, "pHYs", 9 bytes, CRC) out.
    QFile file(tree.path("none.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray png = file.readAll();
    file.close();
    const qsizetype chunk = png.indexOf("pHYs");
    QVERIFY(chunk > 4);
    png.remove(chunk - 4, 4 + 4 + 9 + 4);
    QVERIFY(!png.contains("pHYs"));
    tree.writeBytes("none.png", png);
    QCOMPARE(decodeImageFile(tree.path("none.png"), ImageSizing::pixelSize).size, QSizeF(90, 60));
    QCOMPARE(decodeImageFile(tree.path("none.png"), ImageSizing::asStored).size, QSizeF(90, 60));
    QCOMPARE(recordedDpi(0, 3780), 72.0);
    QCOMPARE(recordedDpi(3780, 3780), 72.0);
    QCOMPARE(recordedDpi(5669, 3780), 144.0);
}

void ImageViewTest::anUndecodableFileLeavesTheViewEmpty() {
    TempTree tree;
    tree.writePng("good.png", Qt::green);
    tree.writeBytes("bad.png", "this is not a picture");
    QVERIFY(decodeImageFile(tree.path("bad.png"), ImageSizing::pixelSize).isNull());
    QVERIFY(decodeImageFile(tree.path("missing.png"), ImageSizing::pixelSize).isNull());

    ImagePane pane;
    pane.resize(200, 200);
    pane.showImageFile(QFile::encodeName(tree.path("good.png")).toStdString(),
                       ImageSizing::pixelSize);
    QVERIFY(pane.hasImage());
    pane.showImageFile(QFile::encodeName(tree.path("bad.png")).toStdString(),
                       ImageSizing::pixelSize);
    QVERIFY(!pane.hasImage());
    pane.grab(); // paints without an image
}

void ImageViewTest::proportionallyShrinksToFitAndNeverEnlarges() {
    TempTree tree;
    tree.writePng("big.png", Qt::red, {1200, 600});
    tree.writePng("small.png", Qt::red, {50, 40});
    ImagePane pane;
    pane.setFrameStyle(QFrame::NoFrame);
    pane.resize(300, 300);
    QCOMPARE(pane.imageScaling(), ImageScaling::proportionally);

    pane.showImageFile(QFile::encodeName(tree.path("big.png")).toStdString(),
                       ImageSizing::pixelSize);
    QCOMPARE(pane.imageRect(), QRectF(0, 75, 300, 150));
    const QImage drawn = pane.grab().toImage();
    QCOMPARE(QColor(drawn.pixel(150, 150)), QColor(Qt::red));
    QVERIFY(QColor(drawn.pixel(150, 20)) != QColor(Qt::red)); // above the image

    pane.showImageFile(QFile::encodeName(tree.path("small.png")).toStdString(),
                       ImageSizing::pixelSize);
    QCOMPARE(pane.imageRect(), QRectF(125, 130, 50, 40));
}

void ImageViewTest::noneDrawsAtOwnSizeCentredAndCutOff() {
    TempTree tree;
    tree.writePng("big.png", Qt::red, {1200, 600});
    ImagePane pane;
    pane.setFrameStyle(QFrame::NoFrame);
    pane.resize(300, 300);
    pane.showImageFile(QFile::encodeName(tree.path("big.png")).toStdString(),
                       ImageSizing::pixelSize);
    pane.setImageScaling(ImageScaling::none);
    QCOMPARE(pane.imageRect(), QRectF(-450, -150, 1200, 600));
    const QImage drawn = pane.grab().toImage();
    QCOMPARE(QColor(drawn.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(drawn.pixel(299, 299)), QColor(Qt::red));
}

void ImageViewTest::scalingStaysForLaterImages() {
    TempTree tree;
    tree.writePng("a.png", Qt::red, {800, 800});
    tree.writePng("b.png", Qt::blue, {900, 100});
    ImagePane pane;
    pane.setFrameStyle(QFrame::NoFrame);
    pane.resize(200, 200);
    pane.setImageScaling(ImageScaling::none); // no image yet: nothing visible changes
    QVERIFY(!pane.hasImage());
    pane.showImageFile(QFile::encodeName(tree.path("a.png")).toStdString(), ImageSizing::pixelSize);
    QCOMPARE(pane.imageRect().size(), QSizeF(800, 800));
    pane.showImageFile(QFile::encodeName(tree.path("b.png")).toStdString(), ImageSizing::asStored);
    QCOMPARE(pane.imageRect().size(), QSizeF(900, 100));
    pane.setImageScaling(ImageScaling::proportionally);
    QCOMPARE(pane.imageRect().size(), QSizeF(200, 200.0 / 9));
}

// 20,000 × 20,000 pixels, one bit each: 50 MB to make, 1.6 GB if it were decoded in colour.
static QImage hugeImage() {
    QImage image(20000, 20000, QImage::Format_Mono);
    image.fill(0);
    for (int y = 0; y < image.height(); y += 500)
        memset(image.scanLine(y), 0xff, size_t(image.bytesPerLine()));
    return image;
}

void ImageViewTest::aHugePngIsRefusedAtOnce() {
    TempTree tree;
    QVERIFY(hugeImage().save(tree.path("huge.png"), "PNG"));
    QElapsedTimer clock;
    clock.start();
    ImagePane pane;
    pane.resize(400, 400);
    pane.showImageFile(QFile::encodeName(tree.path("huge.png")).toStdString(),
                       ImageSizing::pixelSize);
    pane.grab();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!pane.hasImage());
}

void ImageViewTest::aHugeJpegIsDecodedScaledDown() {
    TempTree tree;
    QVERIFY(hugeImage().save(tree.path("huge.jpg"), "JPEG", 50));
    QElapsedTimer clock;
    clock.start();
    ImagePane pane;
    pane.resize(400, 400);
    pane.showImageFile(QFile::encodeName(tree.path("huge.jpg")).toStdString(),
                       ImageSizing::pixelSize);
    QVERIFY(pane.hasImage());
    QCOMPARE(pane.imageSize(), QSizeF(20000, 20000));
    pane.grab();
    pane.setImageScaling(ImageScaling::none);
    pane.grab();
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    const DisplayImage decoded = decodeImageFile(tree.path("huge.jpg"), ImageSizing::pixelSize);
    QVERIFY(qint64(decoded.pixels.width()) * decoded.pixels.height() <= maxDecodedPixels);
}

// 80 million pixels: more than is kept, few enough to decode whole.
void ImageViewTest::aLargePngIsDecodedAndScaledDown() {
    TempTree tree;
    QImage image(10000, 8000, QImage::Format_Mono);
    image.fill(1);
    QVERIFY(image.save(tree.path("large.png"), "PNG"));
    QElapsedTimer clock;
    clock.start();
    const DisplayImage decoded = decodeImageFile(tree.path("large.png"), ImageSizing::pixelSize);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.size, QSizeF(10000, 8000));
    QVERIFY(qint64(decoded.pixels.width()) * decoded.pixels.height() <= maxDecodedPixels);
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    qInfo() << "decoded in" << clock.elapsed() << "ms to" << decoded.pixels.size();
}

QTEST_MAIN(ImageViewTest)
#include "image_view_test.moc"
