// The plaque cell: its pixels, the face under the pointer, and what clicks do and raise.
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "controls/dental/PlaqueCheck.h"
#include "controls/dental/ToothFace.h"
#include "tests/controls/dental/ShownWidget.h"

using kestrin::ToothFace;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kPlaque(255, 64, 64);
const QColor kLost(64, 128, 64);

struct ShownCell : ShownWidget<PlaqueCheck> {
    explicit ShownCell(int side = 64) : ShownWidget(side) {}
    PlaqueCheck& cell = w;
};

} // namespace

TEST(PlaqueCheck, DrawsFacesFramesAndLostSquare) {
    PlaqueCheck cell;
    cell.resize(49, 49);
    cell.setPlaqueU(true);
    QImage img = cell.picture();
    // The centre rounds 24.5 to 24: the diagonals cross at (24, 24).
    EXPECT_EQ(img.pixelColor(24, 24), kBlack);
    EXPECT_EQ(img.pixelColor(24, 10), kPlaque);
    EXPECT_EQ(img.pixelColor(24, 40), kWhite);
    EXPECT_EQ(img.pixelColor(10, 24), kWhite);
    // Outline on the outer ring, far corner included.
    EXPECT_EQ(img.pixelColor(0, 0), kBlack);
    EXPECT_EQ(img.pixelColor(48, 48), kBlack);
    EXPECT_EQ(img.pixelColor(48, 20), kBlack);
    EXPECT_EQ(img.pixelColor(20, 48), kBlack);

    cell.setLost(true);
    img = cell.picture();
    EXPECT_EQ(img.pixelColor(24, 10), kLost);
    EXPECT_EQ(img.pixelColor(24, 24), kLost); // no diagonals on a lost tooth
    EXPECT_EQ(img.pixelColor(0, 0), kBlack);
    EXPECT_EQ(img.pixelColor(48, 48), kBlack);

    // Colour properties take 0x00BBGGRR values.
    cell.setLost(false);
    cell.setPlaqueColor(0xFF0000);
    cell.setBorderColor(0x00FF00);
    img = cell.picture();
    EXPECT_EQ(img.pixelColor(24, 10), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 255, 0));
}

TEST(PlaqueCheck, FaceUnderThePointerByTheDiagonals) {
    struct Case {
        double x, y;
        ToothFace face;
    } cases[] = {
        {32, 32, ToothFace::D}, // the exact centre lies on both diagonals: the face below
        {0, 0, ToothFace::L},   {63, 0, ToothFace::U},    {64, 0, ToothFace::R}, {10, 32, ToothFace::L},
        {54, 32, ToothFace::R}, {32, 60, ToothFace::D},   {32, 5, ToothFace::U}, {0, 64, ToothFace::D},
        {63, 63, ToothFace::D}, {31.5, 31, ToothFace::U},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kestrin::diagonalFace(64, 64, c.x, c.y), c.face) << c.x << "," << c.y;
    // A wide cell scales the diagonals: on 100 x 50 the point (80, 30) is right of the rising one.
    EXPECT_EQ(kestrin::diagonalFace(100, 50, 80, 30), ToothFace::R);
}

TEST(PlaqueCheck, LeftClickTogglesTheFaceAndRaisesOnce) {
    ShownCell s;
    QSignalSpy spy(&s.cell, &PlaqueCheck::ChangePlaque);
    struct Case {
        QPoint at;
        bool (PlaqueCheck::*flag)() const;
    } cases[] = {
        {{32, 5}, &PlaqueCheck::PlaqueU},
        {{5, 32}, &PlaqueCheck::PlaqueL},
        {{58, 32}, &PlaqueCheck::PlaqueR},
        {{32, 58}, &PlaqueCheck::PlaqueD},
    };
    int events = 0;
    for (const Case& c : cases) {
        QTest::mouseClick(&s.cell, Qt::LeftButton, {}, c.at);
        EXPECT_TRUE((s.cell.*c.flag)());
        EXPECT_EQ(spy.count(), ++events);
    }
    EXPECT_EQ(s.cell.picture().pixelColor(32, 10), kPlaque);
    QTest::mouseClick(&s.cell, Qt::LeftButton, {}, QPoint(32, 5));
    EXPECT_FALSE(s.cell.PlaqueU());
    EXPECT_EQ(s.cell.picture().pixelColor(32, 10), kWhite);
}

TEST(PlaqueCheck, RightClickTogglesLostAndKeepsTheFaces) {
    ShownCell s;
    s.cell.setPlaqueU(true);
    QSignalSpy spy(&s.cell, &PlaqueCheck::ChangePlaque);
    QTest::mouseClick(&s.cell, Qt::RightButton, {}, QPoint(32, 10));
    EXPECT_TRUE(s.cell.Lost());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(s.cell.grab().toImage().pixelColor(32, 10), kLost);

    QTest::mouseClick(&s.cell, Qt::RightButton, {}, QPoint(32, 10));
    EXPECT_FALSE(s.cell.Lost());
    EXPECT_TRUE(s.cell.PlaqueU());
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(s.cell.grab().toImage().pixelColor(32, 10), kPlaque);
}

TEST(PlaqueCheck, ClicksThatChangeNothingRaiseNothing) {
    ShownCell s;
    QSignalSpy spy(&s.cell, &PlaqueCheck::ChangePlaque);
    // A middle click anywhere.
    QTest::mouseClick(&s.cell, Qt::MiddleButton, {}, QPoint(32, 5));
    // A left click on a lost tooth.
    s.cell.setLost(true);
    QTest::mouseClick(&s.cell, Qt::LeftButton, {}, QPoint(32, 5));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_FALSE(s.cell.PlaqueU());
    // Assignments never raise it.
    s.cell.setLost(false);
    s.cell.setPlaqueD(true);
    s.cell.setBorderColor(0x123456);
    EXPECT_EQ(spy.count(), 0);
    // A disabled cell ignores clicks and still draws its faces.
    s.cell.setEnabled(false);
    QTest::mouseClick(&s.cell, Qt::LeftButton, {}, QPoint(32, 5));
    QTest::mouseClick(&s.cell, Qt::RightButton, {}, QPoint(32, 5));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_FALSE(s.cell.Lost());
    EXPECT_EQ(s.cell.picture().pixelColor(32, 58), kPlaque);
}

TEST(PlaqueCheck, HandlerThatSetsTheCellBackRaisesNoFurtherEvent) {
    ShownCell s;
    int events = 0;
    QObject::connect(&s.cell, &PlaqueCheck::ChangePlaque, [&] {
        ++events;
        // What the entry screen does: the tooth-part code decides Lost.
        s.cell.setLost(false);
        s.cell.setPlaqueD(true);
    });
    QTest::mouseClick(&s.cell, Qt::RightButton, {}, QPoint(32, 32));
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(s.cell.Lost());
    EXPECT_TRUE(s.cell.PlaqueD());
}

TEST(PlaqueCheck, DoubleClickTogglesOnce) {
    ShownCell s;
    QSignalSpy spy(&s.cell, &PlaqueCheck::ChangePlaque);
    // Through the window system's path: press, release, press, release within the double-click time.
    QTest::mouseDClick(s.cell.windowHandle(), Qt::LeftButton, {}, QPoint(32, 5));
    EXPECT_TRUE(s.cell.PlaqueU());
    EXPECT_EQ(spy.count(), 1);
    // Delivered straight to the widget as well.
    QTest::mouseDClick(&s.cell, Qt::LeftButton, {}, QPoint(5, 32));
    EXPECT_FALSE(s.cell.PlaqueL());
    EXPECT_EQ(spy.count(), 1);
}
