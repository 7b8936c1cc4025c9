#include "app/shell/MdlScreenKey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

#include "app/shell/ShellGlobals.h"

namespace MdlScreenKey {

namespace {

const QString kDefaultProgram = QStringLiteral("onboard");
QString gProgram = kDefaultProgram;
QStringList gArgs;

// The keyboard's own D-Bus call that shows its window; the keyboard never takes the focus.
const QStringList kShowCall = {QStringLiteral("--session"), QStringLiteral("--type=method_call"),
                               QStringLiteral("--dest=org.onboard.Onboard"),
                               QStringLiteral("/org/onboard/Onboard/Keyboard"),
                               QStringLiteral("org.onboard.Onboard.Keyboard.Show")};

// The name the kernel gives the process (at most 15 characters).
QString commName(const QString& program) {
    return QFileInfo(program).fileName().left(15);
}

bool isKeyboardProcess(const QString& procDir, const QString& name) {
    QFile stat(procDir + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // "pid (comm) state ...": a finished process that is not reaped yet does not count.
    const QByteArray s = stat.readAll();
    const qsizetype open = s.indexOf('('), close = s.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= s.size() || s.at(close + 2) == 'Z')
        return false;
    if (QString::fromLocal8Bit(s.mid(open + 1, close - open - 1)) == name)
        return true;
    // A keyboard written as a script runs under its interpreter: look at the first two arguments.
    QFile cmd(procDir + QStringLiteral("/cmdline"));
    if (!cmd.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> argv = cmd.readAll().split('\0');
    for (int k = 0; k < argv.size() && k < 2; ++k)
        if (!argv[k].isEmpty() && QFileInfo(QString::fromLocal8Bit(argv[k])).fileName() == name)
            return true;
    return false;
}

} // namespace

void setKeyboardCommand(const QString& program, const QStringList& args) {
    gProgram = program.isEmpty() ? kDefaultProgram : program;
    gArgs = program.isEmpty() ? QStringList() : args;
}

long FuLngScreenKeyFind() {
    const QString name = commName(gProgram);
    const uid_t me = ::getuid();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const long pid = entry.toLong(&isPid);
        if (!isPid || pid == static_cast<long>(::getpid()))
            continue;
        const QString dir = QStringLiteral("/proc/") + entry;
        struct stat st {};
        if (::stat(QFile::encodeName(dir).constData(), &st) != 0 || st.st_uid != me)
            continue;
        if (isKeyboardProcess(dir, name))
            return pid;
    }
    return 0;
}

void PSuScreenKeyShow() {
    if (FuLngScreenKeyFind() != 0) {
        // Running: ask it to show itself where it was, leaving the focus in the field being typed into.
        if (!QProcess::startDetached(QStringLiteral("dbus-send"), kShowCall))
            PFuBolPutLog(QStringLiteral("PSuScreenKeyShow"),
                         QStringLiteral("スクリーンキーボードの表示に失敗(dbus-send)"));
        return;
    }
    // Not running: start it and return at once. The keyboard is optional on this desktop.
    if (!QProcess::startDetached(gProgram, gArgs))
        PFuBolPutLog(QStringLiteral("PSuScreenKeyShow"),
                     QStringLiteral("スクリーンキーボードの起動に失敗(") + gProgram + QStringLiteral(")"));
}

} // namespace MdlScreenKey
