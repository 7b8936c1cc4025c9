// The tooth-face selector: its square shape, the face under the pointer, its pixels and its event.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/dental/TF.h"
#include "tests/controls/dental/ShownWidget.h"

using kestrin::ToothFace;

namespace {

const QColor kSel(0, 255, 255);
const QColor kWhite(255, 255, 255);
const QColor kBack(128, 255, 255);
const QColor kLost(64, 128, 64);

struct ShownTF : ShownWidget<TF> {
    ShownTF() : ShownWidget(80) {}
    TF& tf = w;
};

} // namespace

TEST(TF, KeepsItselfSquareTheSmallerSideWinning) {
    ShownTF s;
    s.tf.resize(120, 80);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.tf.size(), QSize(80, 80));
    s.tf.resize(80, 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.tf.size(), QSize(80, 80));
}

TEST(TF, IsSquareAfterEveryResizeShownOrHidden) {
    const struct Case {
        QSize asked, square;
    } cases[] = {
        {{120, 80}, {80, 80}}, {{80, 120}, {80, 80}}, {{50, 50}, {50, 50}},
        {{33, 200}, {33, 33}}, {{1, 0}, {0, 0}},
    };
    // Two selectors on a shown window, one of them hidden.
    ShownWidget<QWidget> window(300);
    auto* shown = new TF(&window.w);
    auto* hidden = new TF(&window.w);
    shown->show();
    hidden->hide();
    for (TF* tf : {hidden, shown}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(tf->isVisible() ? "shown " : "hidden ") +
                         std::to_string(c.asked.width()) + "x" + std::to_string(c.asked.height()));
            tf->resize(c.asked);
            EXPECT_EQ(tf->size(), c.square);
            tf->setGeometry(QRect(QPoint(3, 4), c.asked.transposed()));
            EXPECT_EQ(tf->geometry(), QRect(QPoint(3, 4), c.square));
        }
    }
    // Resized as a plain widget while hidden: square once it is shown.
    static_cast<QWidget*>(hidden)->resize(90, 60);
    hidden->show();
    EXPECT_EQ(hidden->size(), QSize(60, 60));
}

TEST(TF, FaceUnderThePointer) {
    struct Case {
        double x, y;
        bool dispC;
        std::optional<ToothFace> face;
    } cases[] = {
        {40, 40, true, ToothFace::C}, {40, 40, false, ToothFace::D}, {40, 5, false, ToothFace::U},
        {5, 40, false, ToothFace::L}, {75, 40, false, ToothFace::R}, {40, 75, true, ToothFace::D},
        {40, 19, true, ToothFace::U}, // outside the centre disc (r = 20)
        {2, 2, false, std::nullopt},  // a corner outside the disc
        {0, 40, false, std::nullopt}, // on the circle: d = c^2 counts as outside
        {1, 40, false, ToothFace::L},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TF::hitFace(80, 80, c.x, c.y, c.dispC), c.face) << c.x << "," << c.y << " " << c.dispC;
    // The centre disc's corners round halves to even: W = 50 gives 12.5 -> 12 and 37.5 -> 38.
    EXPECT_EQ(TF::centreDisc(50, 50), QRect(QPoint(12, 12), QPoint(38, 38)));
    EXPECT_EQ(TF::centreDisc(80, 80), QRect(QPoint(20, 20), QPoint(60, 60)));
}

TEST(TF, ClicksToggleFacesAndAlwaysRaiseOnce) {
    ShownTF s;
    QSignalSpy spy(&s.tf, &TF::ChangeStatus);
    QTest::mouseClick(&s.tf, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(s.tf.DirD());
    s.tf.setDispC(true);
    QTest::mouseClick(&s.tf, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(s.tf.DirC());
    EXPECT_TRUE(s.tf.DirD());
    EXPECT_EQ(spy.count(), 2);
    // Outside the disc: nothing changes, the event still comes.
    QTest::mouseClick(&s.tf, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(spy.count(), 3);
    EXPECT_FALSE(s.tf.DirU() || s.tf.DirL() || s.tf.DirR());
    // Right click: lost and back, both raised; a left click on a lost tooth does nothing.
    QTest::mouseClick(&s.tf, Qt::RightButton, {}, QPoint(40, 40));
    EXPECT_TRUE(s.tf.Lost());
    QTest::mouseClick(&s.tf, Qt::LeftButton, {}, QPoint(40, 5));
    QTest::mouseClick(&s.tf, Qt::MiddleButton, {}, QPoint(40, 5));
    EXPECT_FALSE(s.tf.DirU());
    QTest::mouseClick(&s.tf, Qt::RightButton, {}, QPoint(40, 40));
    EXPECT_FALSE(s.tf.Lost());
    EXPECT_TRUE(s.tf.DirC() && s.tf.DirD());
    EXPECT_EQ(spy.count(), 5);
    // Assignments raise nothing.
    s.tf.setDirU(true);
    s.tf.setLost(true);
    EXPECT_EQ(spy.count(), 5);
}

TEST(TF, DrawsSectorsCentreDiscAndLostDisc) {
    TF tf;
    tf.resize(80, 80);
    tf.setDirU(true);
    QImage img = tf.picture();
    EXPECT_EQ(img.pixelColor(40, 10), kSel);
    EXPECT_EQ(img.pixelColor(10, 40), kWhite);
    EXPECT_EQ(img.pixelColor(70, 40), kWhite);
    EXPECT_EQ(img.pixelColor(40, 70), kWhite);
    EXPECT_EQ(img.pixelColor(1, 1), kBack);
    EXPECT_EQ(img.pixelColor(78, 78), kBack);

    // DirC shows only with DispC.
    tf.setDirC(true);
    EXPECT_EQ(tf.picture().pixelColor(40, 45), kWhite);
    tf.setDispC(true);
    img = tf.picture();
    EXPECT_EQ(img.pixelColor(40, 45), kSel);
    EXPECT_EQ(img.pixelColor(40, 65), kWhite);

    tf.setLost(true);
    img = tf.picture();
    for (const QPoint& at : {QPoint(40, 40), QPoint(40, 10), QPoint(10, 40)})
        EXPECT_EQ(img.pixelColor(at), kLost);
    EXPECT_EQ(img.pixelColor(1, 1), kBack);
    tf.setLost(false);
    EXPECT_EQ(tf.picture().pixelColor(40, 10), kSel);
}
