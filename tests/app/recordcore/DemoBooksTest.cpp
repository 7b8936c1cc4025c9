// The demo patients' record books in the shipped demo database load whole.
#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

class DemoBooks : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        useDemoDatabase();
    }
    QStringList kinds() {
        QStringList k;
        for (int rec : chainRecs()) {
            const KarteLine& l = gKarteLines[rec];
            QString s = l.obj_id;
            if (l.obj_id == kObjInspection)
                s += u'/' + sisyuKensaAt(l.detail_index).inspection_cls;
            if (l.del_mark == QLatin1String("1"))
                s += QStringLiteral("x");
            k << s;
        }
        return k;
    }
};

TEST_F(DemoBooks, EveryDemoBookLoadsWithAllKindsOfLine) {
    gPatientInfo.personal_id = QStringLiteral("100074");
    ASSERT_TRUE(load()) << lastBox().toStdString();
    EXPECT_EQ(kinds(), (QStringList{"100", "250/1", "800", "800x", "800", "250/2", "800", "100x", "800",
                                    "250/1", "800", "800"}));
    EXPECT_EQ(gStrKarteMonth, QStringLiteral("2024/06"));
    EXPECT_EQ(jittisidouAt(gKarteLines[7].detail_index).cleaning_imp.size(), 3);
    EXPECT_EQ(jittisidouAt(gKarteLines[7].detail_index).plaque[7], QStringLiteral("M"));
    EXPECT_EQ(sisyuKensaAt(gKarteLines[6].detail_index).pocket[0].size(), 24);
    EXPECT_EQ(gKarteLines[12].ent_staff_name, QStringLiteral("上野 加奈子"));

    gPatientInfo.personal_id = QStringLiteral("100111");
    ASSERT_TRUE(load()) << lastBox().toStdString();
    EXPECT_EQ(chainRecs(), (std::vector<int>{1, 2, 4}));

    gPatientInfo.personal_id = QStringLiteral("100148");
    ASSERT_TRUE(load()) << lastBox().toStdString();
    const QStringList k = kinds();
    EXPECT_EQ(k.size(), 114);
    for (const char* kind : {"100", "250/2", "800", "800x"})
        EXPECT_TRUE(k.contains(QLatin1String(kind))) << kind;
    EXPECT_EQ(gStrKarteMonth, QStringLiteral("2024/09"));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}
