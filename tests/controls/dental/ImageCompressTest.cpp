// The image loader and saver: shrinking to the control, the saved file's format, the invalid cross and
// the failure path.
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "controls/dental/ImageCompress.h"
#include "controls/dental/ImageFiles.h"

namespace {

// A picture with something in every part, so that shrinking and crossing show.
QImage testPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(x, y, QColor(x * 255 / w, y * 255 / h, 128));
    return img;
}

QString savePng(const QTemporaryDir& dir, const QString& name, const QImage& img) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(img.save(path, "PNG"));
    return path;
}

struct Jpeg {
    bool jfif = false;
    int width = 0, height = 0, components = 0;
};

// The JFIF header and the frame of a baseline or progressive JPEG file, read byte by byte.
Jpeg readJpeg(const QByteArray& b) {
    Jpeg j;
    if (b.size() < 11 || quint8(b[0]) != 0xFF || quint8(b[1]) != 0xD8 || quint8(b[2]) != 0xFF ||
        quint8(b[3]) != 0xE0)
        return j;
    j.jfif = b.mid(6, 5) == QByteArray("JFIF\0", 5);
    for (int i = 2; i + 9 < b.size();) {
        if (quint8(b[i]) != 0xFF)
            break;
        const quint8 marker = quint8(b[i + 1]);
        const int len = (quint8(b[i + 2]) << 8) | quint8(b[i + 3]);
        if (marker == 0xC0 || marker == 0xC2) {
            j.height = (quint8(b[i + 5]) << 8) | quint8(b[i + 6]);
            j.width = (quint8(b[i + 7]) << 8) | quint8(b[i + 8]);
            j.components = quint8(b[i + 9]);
            break;
        }
        i += 2 + len;
    }
    return j;
}

struct Control {
    Control() { c.resize(200, 200); }
    ImageCompress c;
};

} // namespace

TEST(ImageCompress, ShrinksToTheControlAndNeverEnlarges) {
    struct Case {
        QSize control, image, shown;
    } cases[] = {
        {{200, 200}, {400, 300}, {200, 150}},  {{200, 200}, {100, 50}, {100, 50}},
        {{200, 200}, {300, 300}, {200, 200}},  {{200, 200}, {300, 600}, {100, 200}},
        {{200, 100}, {1280, 960}, {133, 100}}, {{0, 200}, {400, 300}, {0, 0}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(kestrin::shrunkSize(k.control, k.image), k.shown)
            << k.image.width() << "x" << k.image.height();

    QTemporaryDir dir;
    Control ctl;
    EXPECT_TRUE(ctl.c.PFuBolLoadImage(savePng(dir, "a.png", testPicture(400, 300))));
    EXPECT_EQ(ctl.c.PFuGetPicture().size(), QSize(200, 150));
    EXPECT_FALSE(ctl.c.loadBufShown());
    EXPECT_TRUE(ctl.c.PFuBolLoadImageBit(testPicture(100, 50)));
    EXPECT_EQ(ctl.c.PFuGetPicture().size(), QSize(100, 50));
    EXPECT_EQ(ctl.c.ErrNumber(), 0);
}

TEST(ImageCompress, SavesJpegWhateverTheNameSays) {
    QTemporaryDir dir;
    Control ctl;
    ASSERT_TRUE(ctl.c.PFuBolLoadImage(savePng(dir, "a.png", testPicture(400, 300))));
    const QString path = dir.filePath("a.bmp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x')); // an existing, longer file is replaced
    }
    ASSERT_TRUE(ctl.c.PFuBolSaveImage(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const Jpeg j = readJpeg(bytes);
    EXPECT_TRUE(j.jfif);
    EXPECT_EQ(j.components, 3);
    EXPECT_EQ(QSize(j.width, j.height), QSize(200, 150));
    EXPECT_EQ(quint8(bytes.at(bytes.size() - 2)), 0xFF);
    EXPECT_EQ(quint8(bytes.at(bytes.size() - 1)), 0xD9);
    // Read back by content: 200 x 150, close to what was shown.
    ImageCompress again;
    again.resize(200, 200);
    ASSERT_TRUE(again.PFuBolLoadImage(path));
    const QImage back = again.PFuGetPicture();
    ASSERT_EQ(back.size(), QSize(200, 150));
    const QColor a = back.pixelColor(100, 75), b = ctl.c.PFuGetPicture().pixelColor(100, 75);
    EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()),
              6);

    // A grey picture is still written with three components.
    QImage grey(50, 40, QImage::Format_Grayscale8);
    grey.fill(90);
    ASSERT_TRUE(again.PFuBolLoadImageBit(grey));
    ASSERT_TRUE(again.PFuBolSaveImage(dir.filePath("g.jpg")));
    QFile g(dir.filePath("g.jpg"));
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(readJpeg(g.readAll()).components, 3);
}

TEST(ImageCompress, FailuresKeepTheLastPictureAndTheErrorStays) {
    QTemporaryDir dir;
    Control ctl;
    ASSERT_TRUE(ctl.c.PFuBolLoadImage(savePng(dir, "a.png", testPicture(100, 80))));
    const QImage first = ctl.c.PFuGetPicture();

    // A missing file: false, 53, LoadBuf left shown, the first picture kept.
    EXPECT_FALSE(ctl.c.PFuBolLoadImage(dir.filePath("none.jpg")));
    EXPECT_EQ(ctl.c.ErrNumber(), 53);
    EXPECT_EQ(ctl.c.ErrDescription(), QStringLiteral("ファイルが見つかりません。"));
    EXPECT_TRUE(ctl.c.loadBufShown());
    EXPECT_EQ(ctl.c.PFuGetPicture(), first);

    // Content that is no picture, whatever its name: 481. A folder: 75. A save that cannot be
    // written: 75. A picture object that is empty: 481.
    QFile text(dir.filePath("text.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    const struct {
        std::function<bool()> call;
        int number;
    } failures[] = {
        {[&] { return ctl.c.PFuBolLoadImage(dir.filePath("text.png")); }, 481},
        {[&] { return ctl.c.PFuBolLoadImage(dir.path()); }, 75},
        {[&] { return ctl.c.PFuBolSaveImage(dir.filePath("no/such/folder/x.jpg")); }, 75},
        {[&] { return ctl.c.PFuBolLoadImageBit(QImage()); }, 481},
    };
    for (const auto& f : failures) {
        EXPECT_FALSE(f.call());
        EXPECT_EQ(ctl.c.ErrNumber(), f.number);
        EXPECT_FALSE(ctl.c.ErrDescription().isEmpty());
    }
    EXPECT_EQ(ctl.c.PFuGetPicture(), first);

    // A success leaves the last failure in place.
    EXPECT_TRUE(ctl.c.PFuBolLoadImage(dir.filePath("a.png")));
    EXPECT_EQ(ctl.c.ErrNumber(), 481);

    // A control too small to hold a pixel of the picture: 380, nothing shown changes.
    ctl.c.resize(0, 0);
    EXPECT_FALSE(ctl.c.PFuBolLoadImageBit(testPicture(400, 300)));
    EXPECT_EQ(ctl.c.ErrNumber(), 380);
    EXPECT_EQ(ctl.c.PFuGetPicture(), first);
}

TEST(ImageCompress, InvalidCrossComesAndGoes) {
    // On a fresh control: nothing to cross, no failure.
    Control fresh;
    fresh.c.setInvalid(true);
    EXPECT_TRUE(fresh.c.PFuGetPicture().isNull());
    EXPECT_EQ(fresh.c.ErrNumber(), 0);

    Control ctl;
    ASSERT_TRUE(ctl.c.PFuBolLoadImageBit(testPicture(400, 300)));
    const QImage plain = ctl.c.PFuGetPicture();
    ctl.c.setInvalid(true);
    const QImage crossed = ctl.c.PFuGetPicture();
    const QColor blue(0, 0, 255);
    for (const QPoint& at :
         {QPoint(100, 75), QPoint(40, 30), QPoint(160, 30), QPoint(40, 120), QPoint(41, 30)})
        EXPECT_EQ(crossed.pixelColor(at), blue) << at.x() << "," << at.y();
    EXPECT_NE(crossed.pixelColor(100, 30), blue);
    ctl.c.setInvalid(false);
    EXPECT_EQ(ctl.c.PFuGetPicture(), plain);

    // The cross follows the pen properties.
    ctl.c.setInvalidColor(0x0000FF);
    ctl.c.setInvalidWidth(1);
    ctl.c.setInvalid(true);
    EXPECT_EQ(ctl.c.PFuGetPicture().pixelColor(100, 75), QColor(255, 0, 0));
    EXPECT_NE(ctl.c.PFuGetPicture().pixelColor(41, 30), QColor(255, 0, 0));
}
