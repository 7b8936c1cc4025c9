// The form pattern on a small probe form: default instance, close path, Esc/Enter, modal showing
// through the seam and the sub-screen openers' load-state protocol.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "app/shell/FormSupport.h"
#include "support/AppServicesFixture.h"

namespace {

// What the probe's handlers do and what they saw; reset by each test.
struct Script {
    bool cancelQuery = false;
    bool cancelUnload = false;
    forms::LoadState state = forms::LoadState::Ready;
    QStringList events;
};
Script script;

class FrmProbe : public forms::Form, public forms::DefaultInstance<FrmProbe> {
public:
    FrmProbe() {
        setObjectName(QStringLiteral("FrmProbe"));
        auto* layout = new QVBoxLayout(this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("TxtName"));
        layout->addWidget(edit);
        for (const char* name : {"CmdOk", "CmdCancel", "CmdOther"}) {
            auto* b = new QPushButton(QLatin1String(name), this);
            b->setObjectName(QLatin1String(name));
            layout->addWidget(b);
            connect(b, &QPushButton::clicked, this, [this, name] { clicked(QLatin1String(name)); });
        }
        setDefaultButton(button("CmdOk"));
        setCancelButton(button("CmdCancel"));
        script.events << QStringLiteral("construct");
    }
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* edit() const { return findChild<QLineEdit*>(QStringLiteral("TxtName")); }

    int preset = 0; // set by the opener before Form_Load
    QString result; // read by the opener after the modal show
    QStringList clicks;

protected:
    void Form_Load() override {
        script.events << QStringLiteral("load preset=%1").arg(preset);
        setLoadState(script.state);
    }
    void Form_Activate() override { script.events << QStringLiteral("activate"); }
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override {
        script.events << QStringLiteral("query mode=%1").arg(static_cast<int>(mode));
        cancel = script.cancelQuery;
    }
    void Form_Unload(bool& cancel) override {
        script.events << QStringLiteral("unload");
        cancel = script.cancelUnload;
    }

private:
    void clicked(const QString& name) {
        clicks << name;
        if (name == QLatin1String("CmdOk")) { // accept: the result stays, the window hides
            result = edit()->text();
            hide();
        } else if (name == QLatin1String("CmdCancel")) { // cancel: the form unloads itself
            unloadForm();
        }
    }
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormPattern : public AppServicesFixture {
protected:
    FormPattern() : AppServicesFixture({{QStringLiteral("899"), QStringLiteral("画面を開けません")}}) {}
    void SetUp() override {
        AppServicesFixture::SetUp();
        script = Script{};
        modal::clearResponders();
        modal::clearShown();
    }
    void TearDown() override {
        FrmProbe::unload();
        flushDeletes();
        script = Script{};
        AppServicesFixture::TearDown();
    }
};

} // namespace

TEST_F(FormPattern, DefaultInstanceLoadsOnceAfterPrepareAndIsClearedAtUnload) {
    FrmProbe* f = FrmProbe::load([](FrmProbe& p) { p.preset = 7; });
    EXPECT_EQ(FrmProbe::load(), f);
    EXPECT_EQ(FrmProbe::loaded(), f);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(script.events, (QStringList{"construct", "load preset=7"}));

    QPointer<FrmProbe> old(f);
    int unloadedSignals = 0;
    QObject::connect(f, &forms::Form::unloaded, [&] { ++unloadedSignals; });
    EXPECT_TRUE(FrmProbe::unload());
    EXPECT_EQ(FrmProbe::loaded(), nullptr); // at once, not at destruction
    EXPECT_EQ(unloadedSignals, 1);
    ASSERT_TRUE(old); // still readable until the event loop turns
    EXPECT_TRUE(old->isUnloaded());
    flushDeletes();
    EXPECT_TRUE(old.isNull());

    FrmProbe* fresh = FrmProbe::load();
    EXPECT_EQ(fresh->preset, 0);
    EXPECT_TRUE(FrmProbe::unload());
    EXPECT_TRUE(FrmProbe::unload()); // nothing loaded: true, nothing runs
}

TEST_F(FormPattern, CloseAndUnloadRunTheSameHandlersEitherMayCancel) {
    struct Case {
        bool byWindow; // the window's close, else an unload in code
        bool cancelQuery, cancelUnload;
        bool gone;
        QStringList events;
    };
    const Case cases[] = {
        {false, false, false, true, {"query mode=1", "unload"}},
        {true, false, false, true, {"query mode=0", "unload"}},
        {false, true, false, false, {"query mode=1"}},
        {true, true, false, false, {"query mode=0"}},
        {false, false, true, false, {"query mode=1", "unload"}},
        {true, false, true, false, {"query mode=0", "unload"}},
    };
    for (const Case& c : cases) {
        FrmProbe* f = FrmProbe::load();
        f->show();
        script.events.clear();
        script.cancelQuery = c.cancelQuery;
        script.cancelUnload = c.cancelUnload;
        const bool done = c.byWindow ? f->close() : FrmProbe::unload();
        const std::string label = std::to_string(&c - cases);
        EXPECT_EQ(done, c.gone) << label;
        EXPECT_EQ(script.events, c.events) << label;
        EXPECT_EQ(FrmProbe::loaded() == nullptr, c.gone) << label;
        EXPECT_EQ(f->isVisible(), !c.gone) << label;
        script.cancelQuery = script.cancelUnload = false;
        FrmProbe::unload();
        flushDeletes();
    }
}

TEST_F(FormPattern, EscClicksCancelAndEnterTheFocusedButtonElseTheDefault) {
    struct Case {
        const char* focus; // objectName of the focused control
        Qt::Key key;
        const char* disabled;
        QStringList clicks;
    };
    const Case cases[] = {
        {"TxtName", Qt::Key_Return, nullptr, {"CmdOk"}},
        {"TxtName", Qt::Key_Enter, nullptr, {"CmdOk"}},
        {"CmdOther", Qt::Key_Return, nullptr, {"CmdOther"}},
        {"TxtName", Qt::Key_Escape, nullptr, {"CmdCancel"}},
        {"CmdOther", Qt::Key_Escape, nullptr, {"CmdCancel"}},
        {"TxtName", Qt::Key_Return, "CmdOk", {}},
        {"TxtName", Qt::Key_Escape, "CmdCancel", {}},
    };
    for (const Case& c : cases) {
        FrmProbe* f = FrmProbe::load();
        f->show();
        QApplication::setActiveWindow(f);
        if (c.disabled)
            f->button(c.disabled)->setEnabled(false);
        QWidget* target = f->findChild<QWidget*>(QLatin1String(c.focus));
        target->setFocus();
        QTest::keyClick(target, c.key);
        EXPECT_EQ(f->clicks, c.clicks) << c.focus << " " << c.key;
        FrmProbe::unload();
        flushDeletes();
    }
}

TEST_F(FormPattern, ModalFormIsAnsweredThroughTheSeamAndReadAfterwards) {
    FrmProbe* f = FrmProbe::load();
    modal::pushResponder([](QWidget& w) {
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.windowModality(), Qt::NonModal); // the seam never enters a modal loop
        w.findChild<QLineEdit*>(QStringLiteral("TxtName"))->setText(QStringLiteral("青木"));
        w.findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
    });
    forms::showModal(f);
    EXPECT_EQ(modal::shown(), QStringList{"FrmProbe"});
    ASSERT_EQ(FrmProbe::loaded(), f); // hidden, still loaded: the opener reads and unloads
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->result, QStringLiteral("青木"));

    // Nobody answers: the form is closed as by its window's close button.
    script.events.clear();
    forms::showModal(f);
    EXPECT_EQ(script.events, (QStringList{"query mode=0", "unload"}));
    EXPECT_EQ(FrmProbe::loaded(), nullptr);
}

TEST_F(FormPattern, SubScreenOpenerFollowsTheLoadStateProtocol) {
    struct Case {
        forms::LoadState state;
        const char* click; // what the user does on the shown screen
        bool result;
        bool shown;
        bool message;
        QString read; // what the opener read back ("-" when nothing was read)
    };
    const Case cases[] = {
        {forms::LoadState::Ready, "CmdOk", true, true, false, "typed"},
        {forms::LoadState::Ready, "CmdCancel", true, true, false, "-"}, // unloaded itself: nothing to read
        {forms::LoadState::Failed, nullptr, false, false, true, "-"},
        {forms::LoadState::NothingToShow, nullptr, false, false, false, "-"},
    };
    for (const Case& c : cases) {
        script.state = c.state;
        modal::clearShown();
        msgbox::clearShown();
        if (c.click) {
            modal::pushResponder([&c](QWidget& w) {
                w.findChild<QLineEdit*>(QStringLiteral("TxtName"))->setText(QStringLiteral("typed"));
                w.findChild<QPushButton*>(QLatin1String(c.click))->click();
            });
        }
        QString read = QStringLiteral("-");
        const bool result = forms::openSubScreen<FrmProbe>(
            QStringLiteral("000"), [](FrmProbe& p) { p.preset = 1; }, [&](FrmProbe& p) { read = p.result; });
        const std::string label = std::to_string(static_cast<int>(c.state)) + (c.click ? c.click : "");
        EXPECT_EQ(result, c.result) << label;
        EXPECT_EQ(modal::shown().size(), c.shown ? 1 : 0) << label;
        EXPECT_EQ(read, c.read) << label;
        EXPECT_EQ(FrmProbe::loaded(), nullptr) << label; // no sub-screen stays loaded
        ASSERT_EQ(msgbox::shown().size(), c.message ? 1 : 0) << label;
        if (c.message) {
            EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("画面を開けません"));
            EXPECT_EQ(msgbox::shown()[0].style, int(msgbox::MB_OK) | int(msgbox::MB_ICONSTOP));
        }
        flushDeletes();
    }
    modal::clearResponders();
}
