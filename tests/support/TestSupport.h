// Small helpers shared by the tests: file bytes, source paths and the ring log's lines.
#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// One line of the ring log: procedure name and message.
using LogLine = QPair<QString, QString>;

namespace testsupport {
// Whole file as bytes ("" when missing).
QByteArray readBytes(const QString& path);
// Writes bytes, creating folders on the way; returns false on failure.
bool writeBytes(const QString& path, const QByteArray& bytes);
// Path of a file in the source tree.
QString sourcePath(const QString& relative);

// Every line written to the ring log at path, oldest first, as "procedure message" (the text after
// the number and the time stamp, padding removed). The tests never wrap the ring.
QStringList ringLogTexts(const QString& path);
// The same lines split at their first blank into procedure and message.
QList<LogLine> ringLogLines(const QString& path);
} // namespace testsupport
