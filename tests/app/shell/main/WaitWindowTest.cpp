// The start-up wait window: its look, its progress, the busy pointer and its refusal to be closed.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include "app/shell/FrmMKarte99_002.h"

class WaitWindow : public ::testing::Test {
protected:
    void TearDown() override {
        FrmMKarte99_002::unload();
        FrmMKarte99_002::setProgressRecorder({});
    }
};

TEST_F(WaitWindow, LoadsWithItsCaptionTextAndAnEmptyBarUnderTheHourglass) {
    FrmMKarte99_002* w = FrmMKarte99_002::load();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(FrmMKarte99_002::load(), w); // one instance
    EXPECT_EQ(w->windowTitle(), QStringLiteral("FrmMKarte99_002－初期処理画面"));
    auto* label = w->findChild<QLabel*>(QStringLiteral("LblWait"));
    auto* bar = w->findChild<QProgressBar*>(QStringLiteral("ProgWait"));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("初期処理中です。しばらくお待ちください。"));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

TEST_F(WaitWindow, ProgressValuesReachTheBarAndTheRecorder) {
    std::vector<long> seen;
    FrmMKarte99_002::setProgressRecorder([&](long v) { seen.push_back(v); });
    FrmMKarte99_002* w = FrmMKarte99_002::load();
    w->show();
    w->PoSetProgValue(3);
    EXPECT_EQ(w->progValue(), 3);
    w->PoSetProgValue(10);
    EXPECT_EQ(w->progValue(), 10);
    EXPECT_EQ(seen, (std::vector<long>{3, 10}));
}

TEST_F(WaitWindow, ACloseRequestIsRefusedOnlyUnloadTakesItAway) {
    FrmMKarte99_002* w = FrmMKarte99_002::load();
    w->show();
    EXPECT_FALSE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(FrmMKarte99_002::loaded(), w);
    EXPECT_TRUE(w->isVisible());

    FrmMKarte99_002::unload();
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    FrmMKarte99_002::unload(); // nothing loaded: nothing happens
}
