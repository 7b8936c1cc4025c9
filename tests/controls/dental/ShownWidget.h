// A control shown in its own window at a given size, so that clicks reach it as they do on a screen.
#pragma once
#include <QTest>
#include <gtest/gtest.h>

template <typename W> struct ShownWidget {
    explicit ShownWidget(int side) {
        w.resize(side, side);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    W w;
};
