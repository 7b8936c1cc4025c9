// The record-list screen driven as a user would: opening a book, paging, rows, unsaved lines, saving,
// and the unsaved-changes question on every way out.
#include "KarteScreenFixture.h"

#include "app/recordbook/KarteOpen.h"

using namespace MdlKarteMain;

class KarteScreen : public KarteScreenFixture {};

TEST_F(KarteScreen, DemoBookOpensOnItsLastMonth) {
    useDemoDatabase();
    gPatientInfo.personal_id = QStringLiteral("100074");
    gPatientInfo.name = QStringLiteral("山田 花子");
    gPatientInfo.birthday = QStringLiteral("1970/05/12");
    bool seen = false;
    modal::pushResponder([&](QWidget& w) {
        seen = true;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("MKarte02_001－歯周検査入力メイン"));
        EXPECT_EQ(labelText("LblBirthday"), QStringLiteral("昭和45年05月12日"));
        grab(&w, QStringLiteral("screen_last_month.png"));
        button("CmdPageCange_1")->click();
        grab(&w, QStringLiteral("screen_prev_month.png"));
        button("CmdPageCange_1")->click();
        grab(&w, QStringLiteral("screen_prev2_month.png"));
        button("CmdCancel")->click();
    });
    EXPECT_TRUE(PFuBolKarteMain()) << lastBox().toStdString();
    EXPECT_TRUE(seen);
}
