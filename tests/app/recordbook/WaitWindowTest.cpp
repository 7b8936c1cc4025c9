// The record-loading wait window: its look, on top under the hourglass, its counters and bar, and a
// load that takes it away whether the book loads or is refused.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "app/recordbook/FrmMkarte99_001.h"
#include "app/recordbook/KarteLoadWindow.h"
#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

class LoadWaitWindow : public RecordBookFixture {
protected:
    void TearDown() override {
        FrmMkarte99_001::unload();
        RecordBookFixture::TearDown();
    }
    static QString label(const char* name) {
        auto* l = FrmMkarte99_001::loaded()->findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("<none>");
    }
    static QProgressBar* bar() { return FrmMkarte99_001::loaded()->findChild<QProgressBar*>("PrgBarGet"); }
};

TEST_F(LoadWaitWindow, ShowsOnTopUnderTheHourglassWithItsCountersAndBar) {
    KarteLoadWindow window;
    window.showWindow();
    FrmMkarte99_001* w = FrmMkarte99_001::loaded();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Mkarte99_001－カルテ読込み"));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(label("LblGetMessage"), QStringLiteral("検査情報読込み中です。　しばらくお待ち下さい。"));
    EXPECT_EQ(label("LblCnt"), QStringLiteral("／"));
    EXPECT_EQ(label("Label1"), QStringLiteral("件　処理中です"));

    window.setGetMessage(kMsgReadingDetails);
    window.setAllCnt(120);
    window.setBarRange(0, 120);
    window.setGetCnt(45);
    window.setBarValue(45);
    window.refresh();
    EXPECT_EQ(label("LblGetMessage"), kMsgReadingDetails);
    EXPECT_EQ(label("LblGetCnt") + label("LblCnt") + label("LblAllCnt"), QStringLiteral("45／120"));
    EXPECT_EQ(bar()->maximum(), 120);
    EXPECT_EQ(bar()->value(), 45);
    w->grab().save(path(QStringLiteral("FrmMkarte99_001.png")));
    if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
        w->grab().save(qEnvironmentVariable("ORVANTA_GRAB_DIR") + QStringLiteral("/FrmMkarte99_001.png"));

    // The user cannot close it; the load does.
    EXPECT_FALSE(w->close());
    EXPECT_EQ(FrmMkarte99_001::loaded(), w);
    window.unloadWindow();
    EXPECT_EQ(FrmMkarte99_001::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoadWaitWindow, TheLoadTakesTheWindowAwayOnSuccessAndOnFailure) {
    addStoredBook();
    flush();
    PSuKarteWorkErase_End();
    EXPECT_TRUE(PFuBolKarteGetData()) << lastBox().toStdString();
    EXPECT_EQ(FrmMkarte99_001::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(chainRecs().size(), 5u);

    run("DELETE FROM m_actual_instruction WHERE entry = '2024/06/03'");
    PSuKarteWorkErase_End();
    EXPECT_FALSE(PFuBolKarteGetData());
    EXPECT_EQ(FrmMkarte99_001::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_TRUE(msgbox::shown()[0].text.endsWith(QStringLiteral("日付:2024/06/03  連番: 1")));
}
