#include "ServicesFixture.h"

#include <QFile>

#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

namespace {
const char* const kMessages[][2] = {
    {"812", "フォルダの作成に失敗しました。"},
    {"814", "年齢の計算に失敗しました。"},
    {"900", "予期しないエラーが発生しました。"},
};
} // namespace

void ServicesFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    QString file = QStringLiteral("[000] 共通\r\n");
    for (const auto& m : kMessages)
        file += QString::fromUtf8(m[0]) + u' ' + QString::fromUtf8(m[1]) + QStringLiteral("\r\n");
    file += QStringLiteral("[001] 次\r\n");
    ASSERT_TRUE(testsupport::writeBytes(path(QStringLiteral("msg.txt")), text::toCp932(file)));

    gObjMessage = std::make_unique<clsMessage>();
    gObjMessage->PoSetDirPath(path(QStringLiteral("msg.txt")));
    gObjLogging = std::make_unique<clsLogging>();
    gObjLogging->PoSetLogFilePath(path(QStringLiteral("test.log")));
    msgbox::clearShown();
    msgbox::clearAnswers();
}

void ServicesFixture::TearDown() {
    gObjLogging.reset();
    gObjMessage.reset();
    msgbox::clearShown();
}

QString ServicesFixture::path(const QString& relative) const {
    return dir.filePath(relative);
}

QString ServicesFixture::messageText(const QString& number) {
    for (const auto& m : kMessages)
        if (number == QString::fromUtf8(m[0]))
            return QString::fromUtf8(m[1]);
    return QString();
}

QList<LogLine> ServicesFixture::logLines() const {
    // Records of 1000 bytes; record 1 holds the next record number. The tests never wrap the ring.
    const QByteArray bytes = testsupport::readBytes(path(QStringLiteral("test.log")));
    QList<LogLine> lines;
    if (bytes.size() < 1000)
        return lines;
    const int next = text::fromCp932(bytes.left(998)).trimmed().toInt();
    for (int rec = 2; rec < next && rec * 1000 <= bytes.size(); ++rec) {
        QString line = text::fromCp932(bytes.mid((rec - 1) * 1000, 998));
        while (line.endsWith(u' '))
            line.chop(1);
        // "nnnnn|yyyy/mm/dd hh:mm:ss proc msg"
        const qsizetype bar = line.indexOf(u'|');
        const QString rest = line.mid(bar + 1 + 20);
        const qsizetype blank = rest.indexOf(u' ');
        lines.append({rest.left(blank), blank < 0 ? QString() : rest.mid(blank + 1)});
    }
    return lines;
}
