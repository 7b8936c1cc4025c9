// A log and a message file in a temporary folder, wired into the program's common services
// (header only: the support library does not link the program's own libraries).
#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

class AppServicesFixture : public ::testing::Test {
protected:
    // The messages of work id 000 in the test message file, as number and text.
    explicit AppServicesFixture(QList<QPair<QString, QString>> messages) : messages_(std::move(messages)) {}

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString file = QStringLiteral("[000] 共通\r\n");
        for (const auto& m : messages_)
            file += m.first + u' ' + m.second + QStringLiteral("\r\n");
        file += QStringLiteral("[001] 次\r\n");
        ASSERT_TRUE(testsupport::writeBytes(path(QStringLiteral("msg.txt")), text::toCp932(file)));

        gObjMessage = std::make_unique<clsMessage>();
        gObjMessage->PoSetDirPath(path(QStringLiteral("msg.txt")));
        gObjLogging = std::make_unique<clsLogging>();
        gObjLogging->PoSetLogFilePath(path(QStringLiteral("test.log")));
        msgbox::clearShown();
        msgbox::clearAnswers();
    }

    void TearDown() override {
        gObjLogging.reset();
        gObjMessage.reset();
        msgbox::clearShown();
    }

    // Path of a file or folder in the temporary folder.
    QString path(const QString& relative) const { return dir.filePath(relative); }
    // Every line written to the log so far, oldest first.
    QList<LogLine> logLines() const { return testsupport::ringLogLines(path(QStringLiteral("test.log"))); }
    // The whole log file as text, for checks that something never appears in it.
    QString logText() const {
        return text::fromCp932(testsupport::readBytes(path(QStringLiteral("test.log"))));
    }
    // The text of message 000/<number> in the test message file.
    QString messageText(const QString& number) const {
        for (const auto& m : messages_)
            if (m.first == number)
                return m.second;
        return QString();
    }

    QTemporaryDir dir;

private:
    QList<QPair<QString, QString>> messages_;
};
