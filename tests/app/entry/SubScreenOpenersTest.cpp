// The tooth-part and small-text openers driven through their screens as a user drives them, and the
// load-state protocol of the entry screens' sub-screens.
#include <QInputMethodEvent>
#include <QLineEdit>

#include "EntryFixture.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/entry/MdlSubScreen.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DentalPart.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "controls/toothchart/ToothPartCode.h"

namespace {

const QString kAllPermanent = QStringLiteral("C") + QString(32, u'a');

// How the user leaves a screen with OK (index 0) and back (index 1) buttons.
enum class Leave { Ok, Back, Frame };

void leave(QWidget& form, Leave how) {
    if (how == Leave::Frame)
        return; // left open: the seam closes it as its window's close button does
    auto* b = form.findChild<QPushButton*>(how == Leave::Ok ? QStringLiteral("CmdFNC_0")
                                                            : QStringLiteral("CmdFNC_1"));
    ASSERT_NE(b, nullptr);
    b->click();
}

// Typed keys for plain text; Japanese arrives committed by the input method.
void typeInto(QLineEdit& box, const QString& text) {
    box.setFocus();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(&box, ch.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QCoreApplication::sendEvent(&box, &commit);
        }
    }
}

const char* name(Leave how) {
    return how == Leave::Ok ? "ok" : how == Leave::Back ? "back" : "frame";
}

// The panel's settings as the screen shows them.
struct PanelState {
    int mode = -1;
    bool fixed = false, enabled = false, okEnabled = false, textEnable = false;
    QString code, text;
};

PanelState stateOf(FrmMKarteS_001& f) {
    return {f.PPoInputMode(),     f.PPoBolFixInputMode(), f.PPoBolInputEnable(), f.CmdFNC(0)->isEnabled(),
            f.PPoBolTextEnable(), f.PPoPart33(),          f.PPoPartText()};
}

using SubScreenOpeners = EntryFixture;

} // namespace

TEST_F(SubScreenOpeners, ToothPartScreenLoadsWithTheEmptyChart) {
    FrmMKarteS_001* f = FrmMKarteS_001::load();
    EXPECT_EQ(f->PPoPart33(), ToothPartCode::kEmpty);
    EXPECT_EQ(f->PPoPartText(), QString());
    EXPECT_FALSE(f->PPoBolInputEffective());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("MKarteS_001－部位入力"));
    // Disabling input disables the panel and OK together.
    f->setPPoBolInputEnable(false);
    EXPECT_FALSE(f->DentalPart1()->isEnabled());
    EXPECT_FALSE(f->CmdFNC(0)->isEnabled());
    EXPECT_TRUE(f->CmdFNC(1)->isEnabled());
    EXPECT_TRUE(FrmMKarteS_001::unload());
}

TEST_F(SubScreenOpeners, ToothPartOpenerWritesTheGlyphOnlyWhenAccepted) {
    struct Case {
        Leave how;
        bool inputEnable;
        bool result;
    } cases[] = {
        {Leave::Ok, true, true},
        {Leave::Back, true, false},
        {Leave::Frame, true, false},
        // Nothing can be entered or accepted: the OK button takes no click, only going back is left.
        {Leave::Ok, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.how)) + (c.inputEnable ? "" : " disabled"));
        DrawGlyphor glyph;
        glyph.setPPoStrParts33(kAllPermanent);
        glyph.setPPoStrPartsText(QStringLiteral("上顎"));
        PanelState shown;
        QString edited;
        onScreen<FrmMKarteS_001>([&](FrmMKarteS_001& f) {
            shown = stateOf(f);
            // The user takes upper right 6 out of the chart.
            auto* tooth = f.findChild<QPushButton*>(QStringLiteral("cmdPer_160"));
            ASSERT_NE(tooth, nullptr);
            QTest::mouseClick(tooth, Qt::LeftButton);
            edited = f.PPoPart33();
            leave(f, c.how);
            if (!c.inputEnable)
                leave(f, Leave::Back);
        });
        const bool result = MdlSubScreen::PFuBolDrawToothPart(glyph, false, 1, true, c.inputEnable);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(shown.mode, 1);
        EXPECT_TRUE(shown.fixed);
        EXPECT_EQ(shown.enabled, c.inputEnable);
        EXPECT_EQ(shown.okEnabled, c.inputEnable);
        EXPECT_FALSE(shown.textEnable);
        EXPECT_EQ(shown.code, kAllPermanent); // the glyph's code, then its text, were handed in
        EXPECT_EQ(shown.text, QStringLiteral("上顎"));
        if (c.result) {
            EXPECT_NE(edited, kAllPermanent);
            EXPECT_EQ(glyph.PPoStrParts33(), edited);
        } else {
            EXPECT_EQ(glyph.PPoStrParts33(), kAllPermanent);
        }
        EXPECT_EQ(glyph.PPoStrPartsText(), QStringLiteral("上顎"));
        EXPECT_EQ(FrmMKarteS_001::loaded(), nullptr);
    }
}

TEST_F(SubScreenOpeners, TextPartOpenerInsertsOneToothRun) {
    struct Case {
        Leave how;
        int mode;
        const char* code; // set on the screen as the user's clicks would, "" for untouched
        const char* words;
        QString inserted;
    } cases[] = {
        {Leave::Ok, 1, "Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", " 右上 ",
         QStringLiteral("/{DCaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa右上/}")},
        // Untouched: the empty chart, its letter stamped by the mode the panel is in.
        {Leave::Ok, 1, "", "", QStringLiteral("/{DC") + QString(32, u'0') + QStringLiteral("/}")},
        {Leave::Ok, 0, "", "", QStringLiteral("/{DN") + QString(32, u'0') + QStringLiteral("/}")},
        {Leave::Back, 1, "Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "右上", QString()},
        {Leave::Frame, 1, "Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "右上", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.how)) + " mode " + std::to_string(c.mode));
        DText text;
        bool wordsAllowed = false;
        QString startCode;
        onScreen<FrmMKarteS_001>([&](FrmMKarteS_001& f) {
            wordsAllowed = f.PPoBolTextEnable();
            startCode = f.PPoPart33();
            if (*c.code)
                f.setPPoPart33(QString::fromLatin1(c.code));
            f.DentalPart1()
                ->findChild<QLineEdit*>(QStringLiteral("txtPartText"))
                ->setText(QString::fromUtf8(c.words));
            leave(f, c.how);
        });
        // The caller does not allow words; the text run always does.
        EXPECT_TRUE(MdlSubScreen::PFuBolDrawTextPart(text, false, c.mode, true, true));
        EXPECT_TRUE(wordsAllowed);
        EXPECT_EQ(startCode.mid(1), QString(32, u'0'));
        EXPECT_EQ(text.PPoStrDString(), c.inserted);
        EXPECT_EQ(FrmMKarteS_001::loaded(), nullptr);
    }
}

TEST_F(SubScreenOpeners, SmallTextOpenerInsertsTrimmedTextOnlyOnOk) {
    struct Case {
        const char* typed;
        Leave how;
        QString inserted;
    } cases[] = {
        {"abc", Leave::Ok, QStringLiteral("/{Babc/}")},
        {"  左下　", Leave::Ok, QStringLiteral("/{B左下/}")}, // blanks of both widths trimmed
        {"   ", Leave::Ok, QString()},
        {"", Leave::Ok, QString()},
        {"abc", Leave::Back, QString()},
        {"abc", Leave::Frame, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + name(c.how));
        DText text;
        QString preset = QStringLiteral("-");
        onScreen<FrmMKarteS_008>([&](FrmMKarteS_008& f) {
            preset = f.PPoStrInputString();
            auto* box = f.findChild<QLineEdit*>(QStringLiteral("txtString"));
            typeInto(*box, QString::fromUtf8(c.typed));
            EXPECT_EQ(f.PPoStrInputString(), QString::fromUtf8(c.typed));
            leave(f, c.how);
        });
        EXPECT_TRUE(MdlSubScreen::PFuBolStrInput(text));
        EXPECT_EQ(preset, QString()); // never preset, also after an earlier opening
        EXPECT_EQ(text.PPoStrDString(), c.inserted);
        EXPECT_EQ(FrmMKarteS_008::loaded(), nullptr);
    }
}

namespace {

forms::LoadState probeState = forms::LoadState::Ready;

class FrmProbe : public forms::Form, public forms::DefaultInstance<FrmProbe> {
public:
    FrmProbe() { setObjectName(QStringLiteral("FrmProbe")); }

protected:
    void Form_Load() override { setLoadState(probeState); }
};

} // namespace

TEST_F(SubScreenOpeners, EntrySubScreensFollowTheLoadStateProtocol) {
    const QString failure =
        box(QStringLiteral("画面の表示に失敗しました。"), msgbox::MB_OK, msgbox::MB_ICONSTOP);
    struct Case {
        forms::LoadState state;
        bool result;
        bool shown;
        QStringList boxes;
    } cases[] = {
        {forms::LoadState::Loading, true, true, {}},
        {forms::LoadState::Ready, true, true, {}},
        {forms::LoadState::Failed, false, false, {failure}},
        {forms::LoadState::NothingToShow, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        probeState = c.state;
        modal::clearShown();
        msgbox::clearShown();
        bool read = false;
        EXPECT_EQ(MdlSubScreen::openEntrySubScreen<FrmProbe>({}, [&](FrmProbe&) { read = true; }), c.result);
        EXPECT_EQ(!modal::shown().isEmpty(), c.shown);
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(FrmProbe::loaded(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
