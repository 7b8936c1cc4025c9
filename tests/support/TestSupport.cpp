#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {
QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QString sourcePath(const QString& relative) { return QStringLiteral(ORVANTA_SOURCE_DIR "/") + relative; }
} // namespace testsupport
