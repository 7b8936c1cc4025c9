// The shipped message file must hold every message the program shows: a Yes/No question whose text
// is missing would come back as "not found" and let the action go ahead.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/clsMessage.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

namespace {

const QString kBuilt = QStringLiteral(ORVANTA_BIN_DIR "/message/OrvantaMessage.txt");
const QString kEarly = QStringLiteral(ORVANTA_BIN_DIR "/clsMessage.txt");

QString sourceText() {
    return QString::fromUtf8(
        testsupport::readBytes(testsupport::sourcePath("resources/message/OrvantaMessage.utf8")));
}

// The shipped bytes when the build has laid them out, else the source converted the same way.
QByteArray shippedBytes() {
    if (QFile::exists(kBuilt))
        return testsupport::readBytes(kBuilt);
    QString s = sourceText();
    s.replace(u'\n', QStringLiteral("\r\n"));
    return text::toCp932(s);
}

// Work id -> numbers, read the way a simple reader of the format would.
QHash<QString, QSet<QString>> sections(const QString& fileText) {
    QHash<QString, QSet<QString>> out;
    QString current;
    for (const QString& line : fileText.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'[')) {
            current = line.mid(1, 3);
        } else if (!current.isEmpty() && !line.isEmpty()) {
            out[current].insert(line.section(u' ', 0, 0));
        }
    }
    return out;
}

TEST(MessageFile, IsCp932WithCrLfAndReadableByTheItemRules) {
    const QByteArray bytes = shippedBytes();
    ASSERT_FALSE(bytes.isEmpty());
    const QString s = text::fromCp932(bytes);
    EXPECT_EQ(text::toCp932(s), bytes) << "not clean CP932";
    EXPECT_FALSE(s.contains(QChar(0xFFFD)));
    EXPECT_TRUE(s.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(s.count(u'\r'), s.count(u'\n'));
    EXPECT_EQ(s.count(QStringLiteral("\r\n")), s.count(u'\n'));

    QStringList lines = s.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_FALSE(lines.last().startsWith(u'[')) << "a header on the last line";
    QSet<QString> seenIds;
    const QRegularExpression header(QStringLiteral("^\\[(\\d{3})\\] \\S.*$"));
    const QRegularExpression message(QStringLiteral("^(\\d{3}) \\S.*$"));
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_FALSE(line.contains(u',')) << "an ASCII comma ends an item";
        EXPECT_FALSE(line.startsWith(u'"'));
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            const auto m = header.match(line);
            ASSERT_TRUE(m.hasMatch());
            EXPECT_FALSE(seenIds.contains(m.captured(1))) << "one section per work id";
            seenIds.insert(m.captured(1));
        } else {
            EXPECT_TRUE(message.match(line).hasMatch());
        }
    }
    if (QFile::exists(kBuilt)) {
        EXPECT_EQ(testsupport::readBytes(kEarly), bytes) << "clsMessage.txt differs from the message file";
    }
}

TEST(MessageFile, HoldsEveryMessageOfTheProgramsList) {
    const QHash<QString, QStringList> wanted = {
        {"000",
         {"801", "802", "803", "804", "805", "806", "807", "808", "810", "811", "812", "814", "815", "816",
          "899", "900"}},
        {"001", {"202", "203", "204", "801", "900"}},
        {"011", {"000", "001", "002", "201", "202", "204", "205", "209", "210", "214", "215", "501",
                 "801", "802", "810", "811", "813", "814", "815", "821", "824", "826", "829", "900"}},
        {"032",
         {"000", "001", "002", "003", "004", "006", "201", "202", "203", "204", "205", "206", "207", "208",
          "802", "803", "804", "805", "899"}},
        {"033", {"201", "899", "900"}},
        {"113", {"201", "801", "899", "900"}},
    };
    const auto have = sections(text::fromCp932(shippedBytes()));
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        for (const QString& n : it.value()) {
            EXPECT_TRUE(have.value(it.key()).contains(n))
                << "missing " << it.key().toStdString() << "/" << n.toStdString();
        }
    }
}

TEST(MessageFile, HoldsEveryMessageTheProgramShows) {
    // PFuDispMessage("011", "900", ... with the two ids as literals (QStringLiteral or u"" allowed).
    const QString lit = QStringLiteral("\\s*(?:QStringLiteral\\s*\\(\\s*|u)?\"(\\d{3})\"\\s*\\)?\\s*");
    const QRegularExpression call(QStringLiteral("PFuDispMessage\\s*\\(") + lit + u',' + lit + u',');
    const auto have = sections(text::fromCp932(shippedBytes()));
    int calls = 0;
    QDirIterator it(testsupport::sourcePath("app"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString src = QString::fromUtf8(testsupport::readBytes(file));
        for (auto m = call.globalMatch(src); m.hasNext();) {
            const auto match = m.next();
            ++calls;
            EXPECT_TRUE(have.value(match.captured(1)).contains(match.captured(2)))
                << file.toStdString() << ": " << match.captured(1).toStdString() << "/"
                << match.captured(2).toStdString() << " is not in the message file";
        }
    }
    // The program does show messages: a pattern that finds none is broken.
    EXPECT_GT(calls, 0);
    RecordProperty("calls", calls);
}

TEST(MessageFile, EveryMessageIsFoundByTheMessageDisplay) {
    const QByteArray bytes = shippedBytes();
    QTemporaryDir dir;
    const QString path = dir.filePath("OrvantaMessage.txt");
    ASSERT_TRUE(testsupport::writeBytes(path, bytes));
    clsMessage msg;
    msg.PoSetDirPath(path);
    const auto have = sections(text::fromCp932(bytes));
    for (auto it = have.cbegin(); it != have.cend(); ++it) {
        for (const QString& n : it.value()) {
            SCOPED_TRACE((it.key() + u'/' + n).toStdString());
            msgbox::clearShown();
            EXPECT_EQ(msg.PFuDispMessage(it.key(), n, EnMsgDispButton::O, EnMsgDispIcon::Manual), 1);
            ASSERT_EQ(msgbox::shown().size(), 1);
            EXPECT_FALSE(msgbox::shown()[0].caption.isEmpty());
            EXPECT_FALSE(msgbox::shown()[0].text.isEmpty());
        }
    }
}

} // namespace
