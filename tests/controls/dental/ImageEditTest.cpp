// The picture holder: message text, fitting, the delete cross, and what each composition leaves behind.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "controls/dental/ImageEdit.h"
#include "platform/error/VbError.h"
#include "platform/gdi/ScaleUnits.h"

namespace {

const QColor kBack(0, 192, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QString redPicture(const QTemporaryDir& dir, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kRed);
    const QString path = dir.filePath(QStringLiteral("p%1x%2.png").arg(w).arg(h));
    EXPECT_TRUE(img.save(path, "PNG"));
    return path;
}

// The smallest rectangle of pixels of the colour.
QRect extentOf(const QImage& img, const QColor& c) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

QRect inkedOn(const QImage& img, const QColor& back) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != back)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace

TEST(ImageEdit, PrintsNoFileOrTheLoadError) {
    QTemporaryDir dir;
    ImageEdit e; // 100 x 100 pixels, 1500 x 1500 twips
    QImage out = e.PicOut();
    ASSERT_EQ(out.size(), QSize(100, 100));
    const QRect text = inkedOn(out, kBack);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_LT(text.left(), 5);
    EXPECT_LT(text.top(), 5);
    EXPECT_LT(text.bottom(), 20);

    e.setPicture(dir.filePath("missing.jpg"));
    out = e.PicOut();
    EXPECT_TRUE(extentOf(out, kRed).isEmpty());
    // "53 ファイルが見つかりません。" is wider than the control: printed on more than one line.
    EXPECT_GT(inkedOn(out, kBack).bottom(), 20);
    EXPECT_EQ(e.Picture(), dir.filePath("missing.jpg"));
}

TEST(ImageEdit, FitsThePictureAtTheTopLeftKeepingItsProportions) {
    QTemporaryDir dir;
    ImageEdit e;
    e.setPicture(redPicture(dir, 200, 100));
    EXPECT_EQ(extentOf(e.PicOut(), kRed), QRect(0, 0, 100, 50));
    EXPECT_EQ(e.PicOut().pixelColor(50, 75), kBack);
    e.setPicture(redPicture(dir, 100, 200));
    // The wider picture before leaves nothing behind.
    EXPECT_EQ(extentOf(e.PicOut(), kRed), QRect(0, 0, 50, 100));
    EXPECT_EQ(e.PicOut().pixelColor(75, 25), kBack);

    // A picture object shows at its natural size, cut to the control.
    e.setBitmap(QImage::fromData(QByteArray()));
    QImage small(30, 20, QImage::Format_RGB32);
    small.fill(kRed);
    e.setBitmap(small);
    EXPECT_EQ(extentOf(e.PicOut(), kRed), QRect(0, 0, 30, 20));
}

TEST(ImageEdit, DeleteCrossOverTheWholeControlAndGoneWhenCleared) {
    QTemporaryDir dir;
    ImageEdit e;
    e.setPicture(redPicture(dir, 200, 100));
    e.setDelMark(true);
    QImage out = e.PicOut();
    EXPECT_EQ(out.pixelColor(90, 90), kBlue); // below the picture, on the cross
    EXPECT_EQ(out.pixelColor(10, 90), kBlue);
    EXPECT_EQ(out.pixelColor(50, 50), kBlue);
    e.setDelMark(false);
    EXPECT_TRUE(extentOf(e.PicOut(), kBlue).isEmpty());

    // The pen is blue until DelColor is assigned at run time.
    EXPECT_EQ(e.DelColor(), 0);
    e.setDelColor(0x00FFFF);
    e.setDelMark(true);
    EXPECT_EQ(e.PicOut().pixelColor(90, 90), QColor(255, 255, 0));
}

TEST(ImageEdit, ZeroSizeLeavesThePictureAsItWas) {
    QTemporaryDir dir;
    ImageEdit e;
    e.setPicture(redPicture(dir, 200, 100));
    const QImage before = e.PicOut();
    e.resize(0, 100);
    e.setDelMark(true);
    EXPECT_EQ(e.PicOut(), before);
    // A picture object on a control without width divides by nothing.
    e.setBitmap(before);
    EXPECT_EQ(e.PicOut(), before);
}

TEST(ImageEdit, WrapTextBreaksBetweenCharacters) {
    const auto tenEach = [](const QString& s) { return 10.0 * s.size(); };
    struct Case {
        double width;
        const char* text;
        const char* wrapped;
    } cases[] = {
        {35, "abcdefg", "abc\r\ndef\r\ng\r\n"},
        {30, "abc", "abc\r\n"},
        {5, "ab", "\r\na\r\nb\r\n"}, // a first character wider than the line: an empty first line
        {100, "", "\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageEdit::SuWrapText(c.width, QString::fromUtf8(c.text), tenEach),
                  QString::fromUtf8(c.wrapped))
            << c.text;
}

TEST(ImageEdit, ScaleConversions) {
    ImageEdit e;
    EXPECT_FLOAT_EQ(e.ScaleX(2540), 1440); // HiMetric to twips
    EXPECT_FLOAT_EQ(e.ScaleX(1500, gdi::scale::kTwips, gdi::scale::kPixels), 100);
    e.setScaleMode(gdi::scale::kPixels);
    EXPECT_FLOAT_EQ(e.ScaleY(2540), 96);
    EXPECT_THROW(e.ScaleX(1, 12, 1), VbError);
}
