// A log and a message file in a temporary folder, wired into the program's common services.
#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One log line: procedure name and message.
using LogLine = QPair<QString, QString>;

class ServicesFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every line written to the log so far, oldest first.
    QList<LogLine> logLines() const;
    // Path of a file or folder in the temporary folder.
    QString path(const QString& relative) const;
    // The text of message 000/<number> in the test message file.
    static QString messageText(const QString& number);

    QTemporaryDir dir;
};
