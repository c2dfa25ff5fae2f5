// The review window on Qt's offscreen platform, driven through its real controls: the
// control states of a walk, deletion with and without the question, the
// scaling choices, the keyboard, and the open-file requests.
#include "main_window.h"
#include "ui_review_window.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace twinpics;
using twinpics::test::answerNextModal;
using twinpics::test::clickMessageBoxButton;
using twinpics::test::RecordingDesktop;
using twinpics::test::TempTree;

namespace {

constexpr int pngTag = 2;

// The window with the real dialogs, its beeps counted.
struct Fixture {
    RecordingDesktop desktop{nullptr};
    MainWindow window{&desktop};
    Ui::ReviewWindow& ui = window.ui();

    Fixture() {
        window.resize(1024, 768);
        window.show();
        ui.imageType->setCurrentIndex(pngTag);
    }
    QString leftPath() const { return ui.leftPath->text(); }
    QString rightPath() const { return ui.rightPath->text(); }
    // Runs the event loop until the open-file requests are delivered.
    void settle() {
        QTRY_COMPARE(window.pendingOpenRequests(), std::size_t(0));
        QTest::qWait(20);
    }
};

// The folder chooser, answered with folder, or cancelled when folder is empty.
void answerChooser(const QString& folder) {
    answerNextModal([folder](QWidget* dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->windowTitle(), QString("Select Folder"));
        QCOMPARE(chooser->fileMode(), QFileDialog::Directory);
        QVERIFY(chooser->testOption(QFileDialog::ShowDirsOnly));
        QCOMPARE(QDir(chooser->directory()).canonicalPath(), QDir::home().canonicalPath());
        if (folder.isEmpty()) {
            chooser->reject();
            return;
        }
        // The folder typed in full in the name field: what accept() takes first, whatever the
        // file system model has loaded so far.
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name != nullptr);
        name->setText(folder);
        static_cast<QDialog*>(chooser)->accept(); // QFileDialog::accept, which checks the folder
    });
}

// Two pairs of identical PNGs and one PNG without a twin.
void writeTwoPairs(TempTree& tree) {
    tree.writePng("x.png", Qt::red, {40, 30});
    tree.copy("x.png", "sub/x.png");
    tree.writePng("y.png", Qt::blue, {41, 30});
    tree.copy("y.png", "y copy.png");
    tree.writePng("z.png", Qt::green, {42, 30});
    tree.writeBytes("notes.txt", "not a candidate");
}

bool identicalFiles(const TempTree& tree, const QString& a, const QString& b) {
    QFile fa(tree.path(a)), fb(tree.path(b));
    return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) &&
           fa.readAll() == fb.readAll();
}

} // namespace

#define EXPECT_BUTTONS(fixture, openOn, reviewOn)                                                  \
    do {                                                                                           \
        QCOMPARE((fixture).ui.open->isEnabled(), openOn);                                          \
        QCOMPARE((fixture).ui.left->isEnabled(), reviewOn);                                        \
        QCOMPARE((fixture).ui.right->isEnabled(), reviewOn);                                       \
        QCOMPARE((fixture).ui.skipTheRope->isEnabled(), reviewOn);                                 \
        /* the review buttons are enabled exactly while a pair of this scan is shown */            \
        QCOMPARE((fixture).window.controller().hasPairOnDisplay(), reviewOn);                      \
    } while (false)

class ReviewWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void theInterfaceDescription();
    void controlStatesFromStartToTheEndOfAWalk();
    void deletionAsksWhileTheCheckboxIsOn();
    void deletionWithTheCheckboxOffAsksNothing();
    void scalingChoicesSetTheirViewOnly();
    void jLineShowsImagesAsStored();
    void theKeyboardAnswersAndFocusNeverSitsOnADelete();
    void fileOpenEventStartsAScan();
    void aDroppedFolderStartsAScan();
    void aRequestDuringTheAlertWaitsForTheAnswer();
    void undecodableTwinsAreShownWithEmptyViews();
    void aFolderThatVanishesWhileShown();

private:
    QTemporaryDir home_;
};

void ReviewWindowTest::initTestCase() {
    // The chooser starts in the home folder: an empty one of the test's own, so that a test
    // that went wrong could never scan, let alone delete, the real one.
    QVERIFY(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
    QCOMPARE(QDir::homePath(), home_.path());
}

void ReviewWindowTest::theInterfaceDescription() {
    Fixture f;
    QCOMPARE(f.window.objectName(), QString("window"));
    const QStringList outlets = {"open",        "imageType",  "left",       "right",
                                 "skipTheRope", "leftImage",  "rightImage", "leftPath",
                                 "rightPath",   "fileNumber", "maxNumber",  "progressView"};
    for (const QString& name : outlets)
        QVERIFY2(f.window.findChild<QWidget*>(name) != nullptr, qPrintable(name));
    QCOMPARE(f.ui.imageType->count(), 4);
    for (int item = 0; item < 4; ++item)
        QCOMPARE(f.ui.imageType->itemData(item).toInt(), item);
    QVERIFY(f.ui.confirmation->isChecked());
    QCOMPARE(f.ui.progressView->minimum(), 0);
    QCOMPARE(f.ui.progressView->maximum(), 100);
    QVERIFY(f.ui.leftProportionally->isChecked());
    QVERIFY(f.ui.rightProportionally->isChecked());
}

void ReviewWindowTest::controlStatesFromStartToTheEndOfAWalk() {
    TempTree tree;
    writeTwoPairs(tree);
    TempTree empty;
    Fixture f;

    // The window opens.
    EXPECT_BUTTONS(f, true, false);

    // A scan from the chooser that finds a pair: open stays enabled mid-review.
    answerChooser(tree.root());
    QTest::mouseClick(f.ui.open, Qt::LeftButton);
    QVERIFY(twinpics::test::modalAnswered());
    EXPECT_BUTTONS(f, true, true);
    QCOMPARE(f.ui.maxNumber->text(), QString("5"));
    QCOMPARE(f.ui.fileNumber->text(), QString("1"));
    QCOMPARE(f.ui.progressView->value(), 20);
    const QString firstLeft = f.leftPath(), firstRight = f.rightPath();
    QVERIFY(identicalFiles(tree, firstLeft, firstRight));
    QVERIFY(f.ui.leftImage->hasImage());
    QVERIFY(f.ui.rightImage->hasImage());

    // Skip: the second pair.
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    EXPECT_BUTTONS(f, true, true);
    QVERIFY(identicalFiles(tree, f.leftPath(), f.rightPath()));
    QVERIFY(f.leftPath() != firstLeft && f.leftPath() != firstRight);
    QCOMPARE(f.desktop.beeps, 0);

    // Skip: the end of the walk. The last pair stays on display.
    const QString lastLeft = f.leftPath();
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    EXPECT_BUTTONS(f, true, false);
    QCOMPARE(f.desktop.beeps, 1);
    QCOMPARE(f.ui.fileNumber->text(), QString("5"));
    QCOMPARE(f.ui.progressView->value(), 100);
    QCOMPARE(f.leftPath(), lastLeft);

    // The chooser cancelled: open enabled again, the rest as it was.
    answerChooser(QString());
    QTest::mouseClick(f.ui.open, Qt::LeftButton);
    EXPECT_BUTTONS(f, true, false);
    QCOMPARE(f.desktop.beeps, 1);

    // An open-file request that finds a pair: open stays disabled until that walk ends.
    f.window.openPath(tree.rootBytes());
    f.settle();
    EXPECT_BUTTONS(f, false, true);
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    EXPECT_BUTTONS(f, false, true);

    // A path handed over while a pair is on display starts a new scan at once.
    f.window.openPath(tree.rootBytes());
    f.settle();
    EXPECT_BUTTONS(f, false, true);
    QCOMPARE(f.ui.fileNumber->text(), QString("1"));
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    EXPECT_BUTTONS(f, true, false);
    QCOMPARE(f.desktop.beeps, 2);

    // A scan that finds nothing: a beep, open enabled, maxNumber 0, the display kept.
    f.window.openPath(empty.rootBytes());
    f.settle();
    EXPECT_BUTTONS(f, true, false);
    QCOMPARE(f.desktop.beeps, 3);
    QCOMPARE(f.ui.maxNumber->text(), QString("0"));
    QCOMPARE(f.leftPath(), lastLeft);
}

void ReviewWindowTest::deletionAsksWhileTheCheckboxIsOn() {
    TempTree tree;
    tree.writePng("a.png", Qt::red);
    tree.copy("a.png", "b.png");
    tree.copy("a.png", "c.png");
    Fixture f;
    f.window.openPath(tree.rootBytes());
    f.settle();
    EXPECT_BUTTONS(f, false, true);
    const QString p0 = f.leftPath(), p1 = f.rightPath();

    // "No": nothing is removed, and the walk goes on with the same left file.
    QString title, text, defaultButton;
    answerNextModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        text = box->text();
        defaultButton = box->defaultButton()->text();
        clickMessageBoxButton(dialog, "No");
    });
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QCOMPARE(f.desktop.alerts, 1);
    QCOMPARE(title, QString("Delete?"));
    QCOMPARE(text, "Do you really want to delete file\n" + tree.path(p0) + " ?");
    QCOMPARE(defaultButton, QString("Yes"));
    QVERIFY(tree.exists(p0));
    QCOMPARE(f.leftPath(), p0);
    const QString p2 = f.rightPath();
    QVERIFY(p2 != p1);

    // "Yes": the left file is gone, and the walk goes on with the next left file.
    answerNextModal([](QWidget* dialog) { clickMessageBoxButton(dialog, "Yes"); });
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QCOMPARE(f.desktop.alerts, 2);
    QVERIFY(!tree.exists(p0));
    QVERIFY(tree.exists(p1));
    QVERIFY(tree.exists(p2));
    QCOMPARE(f.leftPath(), p1);
    QCOMPARE(f.rightPath(), p2);
    EXPECT_BUTTONS(f, false, true);

    // "Yes" on the right file ends the walk.
    answerNextModal([](QWidget* dialog) { clickMessageBoxButton(dialog, "Yes"); });
    QTest::mouseClick(f.ui.right, Qt::LeftButton);
    QVERIFY(!tree.exists(p2));
    QVERIFY(tree.exists(p1));
    EXPECT_BUTTONS(f, true, false);
    QCOMPARE(f.desktop.beeps, 1);
}

void ReviewWindowTest::deletionWithTheCheckboxOffAsksNothing() {
    TempTree tree;
    tree.writePng("a.png", Qt::red);
    tree.copy("a.png", "b.png");
    tree.writePng("d.png", Qt::blue, {50, 50});
    tree.copy("d.png", "deep/er/e.png");
    Fixture f;
    QTest::mouseClick(f.ui.confirmation, Qt::LeftButton);
    QVERIFY(!f.ui.confirmation->isChecked());
    f.window.openPath(tree.rootBytes());
    f.settle();

    // An alert now would fail the test: answerNextModal would find it, and the count tells.
    const QString right = f.rightPath(), left = f.leftPath();
    QTest::mouseClick(f.ui.right, Qt::LeftButton);
    QCOMPARE(f.desktop.alerts, 0);
    QVERIFY(!tree.exists(right));
    QVERIFY(tree.exists(left));
    EXPECT_BUTTONS(f, false, true);

    const QString nextLeft = f.leftPath(), nextRight = f.rightPath();
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QCOMPARE(f.desktop.alerts, 0);
    QVERIFY(!tree.exists(nextLeft));
    QVERIFY(tree.exists(nextRight));
    EXPECT_BUTTONS(f, true, false);

    // Ticked again, deleting asks again.
    QTest::mouseClick(f.ui.confirmation, Qt::LeftButton);
    QVERIFY(f.ui.confirmation->isChecked());
    tree.copy(nextRight, "again.png");
    f.window.openPath(tree.rootBytes());
    f.settle();
    answerNextModal([](QWidget* dialog) { clickMessageBoxButton(dialog, "No"); });
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QCOMPARE(f.desktop.alerts, 1);
}

void ReviewWindowTest::scalingChoicesSetTheirViewOnly() {
    TempTree tree;
    tree.writePng("wide.png", Qt::red, {2400, 600});
    tree.copy("wide.png", "wide copy.png");
    Fixture f;
    f.window.openPath(tree.rootBytes());
    f.settle();
    ImagePane& left = *f.ui.leftImage;
    ImagePane& right = *f.ui.rightImage;
    QVERIFY(left.imageRect().width() <= left.contentsRect().width());

    QTest::mouseClick(f.ui.leftNone, Qt::LeftButton);
    QCOMPARE(left.imageScaling(), ImageScaling::none);
    QCOMPARE(right.imageScaling(), ImageScaling::proportionally);
    QCOMPARE(left.imageRect().size(), QSizeF(2400, 600));
    QCOMPARE(left.imageRect().center().x(), QRectF(left.contentsRect()).center().x());

    QTest::mouseClick(f.ui.rightNone, Qt::LeftButton);
    QCOMPARE(right.imageScaling(), ImageScaling::none);
    QTest::mouseClick(f.ui.leftProportionally, Qt::LeftButton);
    QCOMPARE(left.imageScaling(), ImageScaling::proportionally);
    QCOMPARE(right.imageScaling(), ImageScaling::none);
    QTest::mouseClick(f.ui.rightProportionally, Qt::LeftButton);
    QCOMPARE(right.imageScaling(), ImageScaling::proportionally);

    // Resizing keeps the image inside the view.
    f.window.resize(700, 500);
    QTest::qWait(20);
    QVERIFY(left.imageRect().width() <= left.contentsRect().width() + 0.5);
    f.window.grab();
}

// ijLine shows a pair at pixel size; jLine, for the same left file, as stored.
void ReviewWindowTest::jLineShowsImagesAsStored() {
    TempTree tree;
    tree.writePng("a.png", Qt::red, {600, 400}, 144);
    tree.copy("a.png", "b.png");
    tree.copy("a.png", "c.png");
    Fixture f;
    f.window.openPath(tree.rootBytes());
    f.settle();
    QCOMPARE(f.ui.leftImage->imageSize(), QSizeF(600, 400));
    QCOMPARE(f.ui.rightImage->imageSize(), QSizeF(600, 400));
    QTest::mouseClick(f.ui.skipTheRope, Qt::LeftButton);
    QCOMPARE(f.ui.leftImage->imageSize(), QSizeF(300, 200));
    QCOMPARE(f.ui.rightImage->imageSize(), QSizeF(300, 200));
}

void ReviewWindowTest::theKeyboardAnswersAndFocusNeverSitsOnADelete() {
    TempTree tree;
    tree.writePng("a.png", Qt::red);
    tree.copy("a.png", "b.png");
    tree.copy("a.png", "c.png");
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));

    // No widget that takes focus from the keyboard is a delete button.
    QCOMPARE(f.ui.left->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.ui.right->focusPolicy(), Qt::NoFocus);
    for (int step = 0; step < 30; ++step) {
        QTest::keyClick(&f.window, Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused != f.ui.left && focused != f.ui.right);
    }
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(f.ui.left), static_cast<QAbstractButton*>(f.ui.right),
          static_cast<QAbstractButton*>(f.ui.skipTheRope)})
        QVERIFY2(button->toolTip().contains("Alt+"), qPrintable(button->objectName()));
    QVERIFY(f.ui.open->toolTip().contains("Ctrl+O"));
    QVERIFY(f.ui.confirmation->toolTip().contains("Alt+A"));

    // Ctrl+O opens the chooser.
    answerChooser(tree.root());
    QTest::keyClick(&f.window, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(f.window.controller().hasPairOnDisplay());
    const QString p0 = f.leftPath(), p1 = f.rightPath();
    // The offscreen platform has no window manager to give the activation back.
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));

    // Alt+S skips, Alt+A switches the question off, Alt+R and Alt+L delete.
    QTest::keyClick(&f.window, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(f.rightPath() != p1);
    QTest::keyClick(&f.window, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!f.ui.confirmation->isChecked());
    const QString p2 = f.rightPath();
    QTest::keyClick(&f.window, Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(!tree.exists(p0));
    QTRY_COMPARE(f.leftPath(), p1);
    QTest::keyClick(&f.window, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(!tree.exists(p2));
    QTRY_VERIFY(f.ui.open->isEnabled());
    QCOMPARE(f.desktop.alerts, 0);

    // Plain keys delete nothing.
    for (int key :
         {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Delete, Qt::Key_L, Qt::Key_R})
        QTest::keyClick(&f.window, Qt::Key(key));
    QVERIFY(tree.exists(p1));
}

void ReviewWindowTest::fileOpenEventStartsAScan() {
    TempTree tree;
    writeTwoPairs(tree);
    Fixture f;
    QFileOpenEvent event(tree.root());
    QCoreApplication::sendEvent(qApp, &event);
    f.settle();
    QCOMPARE(f.ui.maxNumber->text(), QString("5"));
    EXPECT_BUTTONS(f, false, true);
}

void ReviewWindowTest::aDroppedFolderStartsAScan() {
    TempTree tree;
    writeTwoPairs(tree);
    Fixture f;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(tree.root())});
    const QPoint at = f.window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.window, &drop);
    f.settle();
    QCOMPARE(f.ui.maxNumber->text(), QString("5"));

    // A file is not a folder: not accepted.
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(tree.path("x.png"))});
    QDragEnterEvent refused(at, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(&f.window, &refused);
    QVERIFY(!refused.isAccepted());
}

// A new scan must not replace the scan state under a delete command that waits for its
// answer: the request waits until the command is over.
void ReviewWindowTest::aRequestDuringTheAlertWaitsForTheAnswer() {
    TempTree tree;
    tree.writePng("a.png", Qt::red);
    tree.copy("a.png", "b.png");
    TempTree other;
    writeTwoPairs(other);
    Fixture f;
    f.window.openPath(tree.rootBytes());
    f.settle();
    const QString p0 = f.leftPath();

    bool waited = false;
    answerNextModal([&](QWidget* dialog) {
        f.window.openPath(other.rootBytes());
        QFileOpenEvent event(other.root());
        QCoreApplication::sendEvent(qApp, &event);
        QTest::qWait(250); // the requests would have run by now if nothing held them
        waited = f.window.pendingOpenRequests() == 2 && f.ui.maxNumber->text() == "2";
        clickMessageBoxButton(dialog, "Yes");
    });
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QVERIFY(waited);
    QVERIFY(!tree.exists(p0));
    f.settle();
    QCOMPARE(f.ui.maxNumber->text(), QString("5"));
    QVERIFY(f.leftPath() != p0);
}

void ReviewWindowTest::undecodableTwinsAreShownWithEmptyViews() {
    TempTree tree;
    tree.writeBytes("broken.png", "\x89PNG but not really");
    tree.copy("broken.png", "broken too.png");
    Fixture f;
    f.ui.leftImage->setImageScaling(ImageScaling::none);
    f.window.openPath(tree.rootBytes());
    f.settle();
    EXPECT_BUTTONS(f, false, true);
    QVERIFY(!f.ui.leftImage->hasImage());
    QVERIFY(!f.ui.rightImage->hasImage());
    QVERIFY(!f.leftPath().isEmpty());
    f.window.grab();
}

void ReviewWindowTest::aFolderThatVanishesWhileShown() {
    auto tree = std::make_unique<TempTree>();
    tree->writePng("a.png", Qt::red);
    tree->copy("a.png", "b.png");
    Fixture f;
    QTest::mouseClick(f.ui.confirmation, Qt::LeftButton); // no question
    f.window.openPath(tree->rootBytes());
    f.settle();
    tree.reset(); // the whole folder is gone
    QString message;
    answerNextModal([&](QWidget* dialog) {
        message = qobject_cast<QMessageBox*>(dialog)->text();
        qobject_cast<QMessageBox*>(dialog)->accept();
    });
    QTest::mouseClick(f.ui.left, Qt::LeftButton);
    QCOMPARE(f.desktop.failures, 1);
    QVERIFY(!message.isEmpty());
    QTRY_VERIFY(f.ui.open->isEnabled()); // the walk went on, found nothing, and ended
    EXPECT_BUTTONS(f, true, false);
    f.window.grab();
}

QTEST_MAIN(ReviewWindowTest)
#include "review_window_test.moc"
