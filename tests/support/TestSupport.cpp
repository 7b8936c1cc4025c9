#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/text/Text.h"

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

QString sourcePath(const QString& relative) {
    return QStringLiteral(ORVANTA_SOURCE_DIR "/") + relative;
}

QStringList ringLogTexts(const QString& path) {
    // Records of 1000 bytes (998 of text, then CR LF); record 1 holds the next record number.
    const QByteArray bytes = readBytes(path);
    QStringList lines;
    if (bytes.size() < 1000)
        return lines;
    const int next = text::fromCp932(bytes.left(998)).trimmed().toInt();
    for (int r = 2; r < next && r * 1000 <= bytes.size(); ++r) {
        QByteArray rec = bytes.mid((r - 1) * 1000, 998);
        while (rec.endsWith(' '))
            rec.chop(1);
        // "nnnnn|yyyy/mm/dd hh:mm:ss procedure message"
        lines << text::fromCp932(rec).mid(26);
    }
    return lines;
}

QList<LogLine> ringLogLines(const QString& path) {
    QList<LogLine> lines;
    for (const QString& t : ringLogTexts(path)) {
        const qsizetype blank = t.indexOf(u' ');
        lines.append({t.left(blank), blank < 0 ? QString() : t.mid(blank + 1)});
    }
    return lines;
}

} // namespace testsupport
