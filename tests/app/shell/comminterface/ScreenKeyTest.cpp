// The on-screen keyboard: started once, found while it runs, a failure to start only logged.
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <unistd.h>

#include "ServicesFixture.h"
#include "app/shell/MdlScreenKey.h"
#include "platform/msgbox/MsgBox.h"

using namespace MdlScreenKey;

namespace {

// Waits until the keyboard process shows up (or goes away); its pid, 0 when it did not.
long waitForKeyboard(bool present) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        const long pid = FuLngScreenKeyFind();
        if ((pid != 0) == present)
            return pid;
        QThread::msleep(20);
    }
    return FuLngScreenKeyFind();
}

} // namespace

class ScreenKeyTest : public ServicesFixture {
protected:
    void TearDown() override {
        setKeyboardCommand(QString());
        ServicesFixture::TearDown();
    }
};

TEST_F(ScreenKeyTest, AKeyboardThatCannotStartIsLoggedOnce) {
    setKeyboardCommand(path(QStringLiteral("no-such-keyboard")));
    EXPECT_EQ(FuLngScreenKeyFind(), 0);
    EXPECT_NO_THROW(PSuScreenKeyShow());
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].first, QStringLiteral("PSuScreenKeyShow"));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(ScreenKeyTest, StartedOnceThenFoundWithoutASecondCopy) {
    // A stand-in keyboard: a copy of sleep under a name of its own (with this process's id, so a
    // test run beside this one never finds the other's keyboard).
    const QString program = path(QStringLiteral("osk%1").arg(::getpid()));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner));
    setKeyboardCommand(program, {QStringLiteral("30")});
    ASSERT_EQ(FuLngScreenKeyFind(), 0);

    PSuScreenKeyShow();
    const long pid = waitForKeyboard(true);
    ASSERT_NE(pid, 0);

    // Running: the second call only asks the keyboard to show itself.
    PSuScreenKeyShow();
    QThread::msleep(200);
    EXPECT_EQ(FuLngScreenKeyFind(), pid);
    // Stopping the found copy leaves none: there was exactly one.
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    EXPECT_EQ(waitForKeyboard(false), 0);
    EXPECT_TRUE(msgbox::shown().isEmpty());
}
