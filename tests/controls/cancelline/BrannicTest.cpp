// The cancel mark: its two lines at chosen pixels, over what it covers, at any size.
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "controls/cancelline/Brannic.h"
#include "platform/error/VbError.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// A white panel with a green caption under the mark, the mark laid over the whole panel.
struct Covered {
    explicit Covered(QSize size) {
        panel.resize(size);
        panel.setAutoFillBackground(true);
        QPalette p = panel.palette();
        p.setColor(QPalette::Window, kWhite);
        panel.setPalette(p);
        mark = new Brannic(&panel); // made first, so below the caption until shown
        caption = new QLabel(&panel);
        caption->setAutoFillBackground(true);
        QPalette lp = caption->palette();
        lp.setColor(QPalette::Window, QColor(0, 255, 0));
        caption->setPalette(lp);
        caption->setGeometry(60, 10, 80, 30);
        mark->setGeometry(QRect(QPoint(0, 0), size));
        panel.show();
        mark->show();
    }
    QImage image() { return panel.grab().toImage(); }
    QWidget panel;
    Brannic* mark;
    QLabel* caption;
};

// The run of pixels of the colour in column x around row y.
int verticalRun(const QImage& img, int x, int y, const QColor& c) {
    int top = y;
    int bottom = y;
    while (top > 0 && img.pixelColor(x, top - 1) == c)
        --top;
    while (bottom < img.height() - 1 && img.pixelColor(x, bottom + 1) == c)
        ++bottom;
    return img.pixelColor(x, y) == c ? bottom - top + 1 : 0;
}

} // namespace

TEST(Brannic, RedCrossFromCornerToCorner) {
    Covered c(QSize(200, 100));
    EXPECT_EQ(c.mark->PPoLineColor(), 255);
    EXPECT_EQ(c.mark->PPoLineWidth(), 3);
    const QImage img = c.image();
    for (QPoint pt : {QPoint(1, 1), QPoint(198, 98), QPoint(198, 1), QPoint(1, 98), QPoint(100, 50),
                      QPoint(50, 25), QPoint(150, 25), QPoint(100, 49)})
        EXPECT_EQ(img.pixelColor(pt), kRed) << pt.x() << "," << pt.y();
    // Off the lines: the panel and the caption under the mark show through.
    EXPECT_EQ(img.pixelColor(100, 90), kWhite);
    EXPECT_EQ(img.pixelColor(10, 50), kWhite);
    EXPECT_EQ(img.pixelColor(70, 30), QColor(0, 255, 0));
    // The shown mark lies above the caption made after it.
    EXPECT_EQ(img.pixelColor(70, 35), kRed);
    EXPECT_EQ(verticalRun(img, 50, 25, kRed), 3);
}

TEST(Brannic, FollowsEverySize) {
    Covered c(QSize(200, 100));
    for (QSize size : {QSize(300, 60), QSize(60, 300), QSize(41, 41), QSize(500, 120)}) {
        c.panel.resize(size);
        c.mark->resize(size);
        const QImage img = c.image();
        const int w = size.width() - 1;
        const int h = size.height() - 1;
        // The corner pixels themselves and the crossing in the middle.
        for (QPoint pt : {QPoint(0, 0), QPoint(w, h), QPoint(w, 0), QPoint(0, h), QPoint(w / 2, h / 2)})
            EXPECT_EQ(img.pixelColor(pt), kRed)
                << size.width() << "x" << size.height() << " at " << pt.x() << "," << pt.y();
        const auto lines = Brannic::lines(size);
        EXPECT_EQ(lines[0], QLine(0, 0, size.width(), size.height()));
        EXPECT_EQ(lines[1], QLine(0, size.height(), size.width(), 0));
    }
}

TEST(Brannic, ColourAndWidth) {
    Covered c(QSize(200, 100));
    c.mark->setPPoLineColor(0xFF0000);
    c.mark->setPPoLineWidth(5);
    EXPECT_EQ(c.mark->PPoLineColor(), 16711680);
    EXPECT_EQ(c.mark->PPoLineWidth(), 5);
    const QImage img = c.image();
    EXPECT_EQ(img.pixelColor(100, 50), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(1, 98), QColor(0, 0, 255));
    // A 5-pixel pen on a line of slope 1/2 covers 5 or 6 pixels of a column.
    const int run = verticalRun(img, 50, 25, QColor(0, 0, 255));
    EXPECT_GE(run, 5);
    EXPECT_LE(run, 6);
}

TEST(Brannic, RejectsWidthsALineCannotTake) {
    Brannic mark;
    const std::pair<int, long> cases[] = {{0, 380}, {-1, 380}, {8193, 380}, {40000, 6}, {-40000, 6}};
    for (const auto& [width, error] : cases) {
        try {
            mark.setPPoLineWidth(width);
            ADD_FAILURE() << width;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), error) << width;
        }
        EXPECT_EQ(mark.PPoLineWidth(), 3);
    }
    mark.setPPoLineWidth(8192);
    EXPECT_EQ(mark.PPoLineWidth(), 8192);
}

TEST(Brannic, HiddenDrawsNothingAndMousePassesThrough) {
    Covered c(QSize(200, 100));
    auto* button = new QPushButton(&c.panel);
    button->setGeometry(90, 40, 20, 20);
    button->show();
    c.mark->raise();
    EXPECT_EQ(c.panel.childAt(100, 50), button); // the mark takes no mouse
    c.mark->setVisible(false);
    const QImage img = c.image();
    EXPECT_EQ(img.pixelColor(1, 1), kWhite);
    EXPECT_EQ(img.pixelColor(150, 25), kWhite);
}
