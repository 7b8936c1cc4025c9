// The tooth-part entry panel clicked as a user clicks it: codes built tooth by tooth, refusals, modes,
// presets, the range button, area words and the panel's geometry.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/toothchart/DentalPart.h"
#include "controls/toothchart/DrawGlyphor.h"

namespace {

class Panel : public ::testing::Test {
protected:
    void SetUp() override {
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    QWidget* child(const QString& name) const {
        QWidget* w = panel.findChild<QWidget*>(name);
        EXPECT_TRUE(w) << name.toStdString();
        return w;
    }
    // Clicks a button of an array, which must be on screen.
    void click(const char* array, int index) {
        QWidget* b = child(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
        ASSERT_TRUE(b->isVisibleTo(&panel)) << array << index;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Clicks a mode option on its round mark.
    void option(int k) {
        auto* o = panel.findChild<QRadioButton*>(QStringLiteral("optMode_%1").arg(k));
        QTest::mouseClick(o, Qt::LeftButton, Qt::NoModifier, QPoint(8, o->height() / 2));
    }
    QString code() { return panel.PPoPart33(); }
    QRect panelRect(const QString& name) const {
        QWidget* w = child(name);
        return QRect(w->mapTo(&panel, QPoint(0, 0)), w->size());
    }

    DentalPart panel;
};

const QString kEmpty = QStringLiteral("N") + QString(32, QChar('0'));

} // namespace

TEST_F(Panel, BuildsCodesToothByTooth) {
    EXPECT_EQ(code(), kEmpty);
    EXPECT_EQ(panel.PPoInputMode(), 0);
    EXPECT_FALSE(child(QStringLiteral("lblMessage"))->isVisible());

    struct Step {
        const char* array;
        int index;
        const char* code;
        const char* message;
    } steps[] = {
        {"cmdPer", 160, "N00a00000000000000000000000000000", ""},
        {"cmdPer", 103, "N00a0000000a000000000000000000000", ""},
        {"cmdMilk", 103, "N00a0000000h000000000000000000000", ""},
        {"cmdMilk", 103, "N00a0000000g000000000000000000000", ""},
        {"cmdMilk", 103, "N00a0000000a000000000000000000000", ""},
        {"cmdClear", 0, "N00000000000000000000000000000000", ""},
        {"cmdMilk", 250, "N0000000000000000000b000000000000", ""},
        {"cmdClear", 21, "N00000000000000000000000000000000", ""},
    };
    for (const Step& s : steps) {
        click(s.array, s.index);
        EXPECT_EQ(code(), QString::fromLatin1(s.code)) << s.array << s.index;
        EXPECT_EQ(panel.message(), QString::fromUtf8(s.message)) << s.array << s.index;
    }
    // The glyph shows the code last set.
    EXPECT_EQ(panel.glyph()->PPoStrParts33(), kEmpty);
}

TEST_F(Panel, BridgeButtonsAndTheirRefusals) {
    QRadioButton* bridge = panel.findChild<QRadioButton*>(QStringLiteral("optMode_2"));
    option(2);
    EXPECT_TRUE(bridge->isChecked());
    click("cmdSep", 110);
    EXPECT_EQ(code(), kEmpty);
    EXPECT_EQ(panel.message(), QStringLiteral("隙のみで登録は出来ません。"));
    EXPECT_TRUE(child(QStringLiteral("lblMessage"))->isVisible());

    struct Step {
        const char* array;
        int index;
        const char* chars9and10;
        const char* message;
    } steps[] = {
        {"cmdPer", 110, "a0", ""},
        {"cmdSep", 110, "n0", ""},
        {"cmdStd", 101, "nd", ""},
        {"cmdStd", 101, "nm", ""},
        {"cmdFac", 101, "nm", "既に支台歯が存在しています。"},
        {"cmdStd", 101, "n0", ""},
    };
    for (const Step& s : steps) {
        click(s.array, s.index);
        EXPECT_EQ(code().mid(8, 2), QString::fromLatin1(s.chars9and10)) << s.array << s.index;
        EXPECT_EQ(panel.message(), QString::fromUtf8(s.message)) << s.array << s.index;
        EXPECT_EQ(child(QStringLiteral("lblMessage"))->isVisible(), *s.message != 0);
    }

    // With bridge content the normal option is refused and the bridge option stays selected.
    click("cmdStd", 101);
    option(0);
    EXPECT_TRUE(bridge->isChecked());
    EXPECT_EQ(panel.message(), QStringLiteral("ブリッジ／便宜抜髄支台歯／隙がある場合は変更できません"));
    EXPECT_TRUE(code().startsWith(QChar('N')));
    EXPECT_TRUE(child(QStringLiteral("picGroupB_1"))->isVisible());

    // A letter the change table does not know is refused without a crash and kept.
    const QString unknown = QStringLiteral("Nz") + QString(31, QChar('0'));
    ASSERT_TRUE(panel.setPPoPart33(unknown));
    click("cmdPer", 180);
    EXPECT_EQ(panel.message(), QStringLiteral("対応されていません"));
    EXPECT_EQ(code(), unknown);
}

TEST_F(Panel, CompressedModePresetsAndTheRangeButton) {
    // As every opener of the program sets it up.
    ASSERT_TRUE(panel.setPPoInputMode(1));
    panel.setPPoBolFixInputMode(true);
    ASSERT_TRUE(panel.setPPoPart33(QStringLiteral("N000bb0000") + QString(23, QChar('0'))));
    EXPECT_EQ(code(), QStringLiteral("C000bb0000") + QString(23, QChar('0')));
    EXPECT_FALSE(panel.findChild<QRadioButton*>(QStringLiteral("optMode_0"))->isEnabled());
    EXPECT_TRUE(child(QStringLiteral("picGroupPG_0"))->isVisible());
    EXPECT_FALSE(child(QStringLiteral("picGroupB_1"))->isVisible());

    // "７～４" over deciduous teeth: upper right 4 to 7 become permanent, the message line untouched.
    panel.setPPoPart33(QStringLiteral("N0b00bs000") + QString(23, QChar('0')));
    click("cmdPer", 130);
    EXPECT_EQ(panel.message(), QStringLiteral("対応されていません"));
    click("cmdPG", 17400);
    EXPECT_EQ(code(), QStringLiteral("C0aaaas000") + QString(23, QChar('0')));
    EXPECT_EQ(panel.message(), QStringLiteral("対応されていません"));
    click("cmdPG", 88);
    EXPECT_EQ(code(), QStringLiteral("C") + QString(32, QChar('a')));
    click("cmdClear", 0);
    click("cmdPG", 23113);
    EXPECT_EQ(code().mid(17), QStringLiteral("00000aaaaaa00000"));

    // The range button presses the last tooth button again, colours it blue, and hides the presets and
    // the deciduous rows; a later mode change does not bring the permanent rows back.
    click("cmdClear", 0);
    click("cmdPer", 150);
    EXPECT_EQ(code().mid(4, 1), QStringLiteral("a"));
    click("cmdTo", 190);
    EXPECT_EQ(code().mid(4, 1), QStringLiteral("0"));
    QPushButton* last = panel.findChild<QPushButton*>(QStringLiteral("cmdPer_150"));
    EXPECT_EQ(last->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    for (const char* g : {"picGroupPG_0", "picGroupPG_1", "picGroupPG_2", "picGroupMilk_1", "picGroupMilk_2"})
        EXPECT_FALSE(child(QLatin1String(g))->isVisible()) << g;
    EXPECT_TRUE(child(QStringLiteral("picGroupPer_1"))->isVisible());

    // The mode read back is the one last written, whatever is selected since.
    panel.setPPoBolFixInputMode(false);
    option(0);
    EXPECT_EQ(panel.PPoInputMode(), 1);
    EXPECT_TRUE(code().startsWith(QChar('N')));
    EXPECT_FALSE(panel.setPPoInputMode(3));
    EXPECT_EQ(panel.PPoInputMode(), 1);
    EXPECT_FALSE(panel.setPPoPart33(QString()));
}

TEST_F(Panel, AreaWordsGoInAtTheCaret) {
    auto* field = panel.findChild<QLineEdit*>(QStringLiteral("txtPartText"));
    panel.setPPoPartText(QStringLiteral("上顎"));
    field->setCursorPosition(2);
    click("cmdText", 1);
    EXPECT_EQ(panel.PPoPartText(), QStringLiteral("上顎右側"));
    EXPECT_EQ(field->cursorPosition(), 4);
    // A selection is not replaced: the word goes in at its start.
    field->setSelection(0, 2);
    click("cmdText", 11);
    EXPECT_EQ(panel.PPoPartText(), QStringLiteral("上顎上顎右側"));
    click("cmdText", 0);
    EXPECT_EQ(panel.PPoPartText(), QString());
    panel.setPPoBolTextEnable(false);
    EXPECT_FALSE(child(QStringLiteral("picGroupPartText"))->isVisible());
}

TEST_F(Panel, GeometryAndButtonPictures) {
    EXPECT_EQ(panel.size(), QSize(913, 401));
    EXPECT_EQ(panelRect(QStringLiteral("cmdPer_180")), QRect(96, 96, 32, 32));
    EXPECT_EQ(panelRect(QStringLiteral("cmdPer_101")).left(), 368);
    EXPECT_EQ(panelRect(QStringLiteral("picDisp")), QRect(72, 168, 577, 41));
    EXPECT_EQ(panelRect(QStringLiteral("cmdMilk_150")).left(),
              panelRect(QStringLiteral("cmdPer_150")).left());
    EXPECT_EQ(panelRect(QStringLiteral("cmdMilk_205")).left(),
              panelRect(QStringLiteral("cmdPer_205")).left());
    // The circled digit on olive.
    auto* fac = panel.findChild<QPushButton*>(QStringLiteral("cmdFac_101"));
    const QImage icon = fac->icon().pixmap(27, 27).toImage();
    EXPECT_EQ(icon.size(), QSize(27, 27));
    EXPECT_EQ(QColor(icon.pixel(0, 0)), QColor(192, 192, 0));
    int inked = 0;
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 27; ++x)
            inked += QColor(icon.pixel(x, y)) != QColor(192, 192, 0);
    EXPECT_GT(inked, 30);
}
