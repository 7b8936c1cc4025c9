// Small helpers shared by the tests: temporary folders and file bytes.
#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {
// Whole file as bytes ("" when missing).
QByteArray readBytes(const QString& path);
// Writes bytes, creating folders on the way; returns false on failure.
bool writeBytes(const QString& path, const QByteArray& bytes);
// Path of a file in the source tree.
QString sourcePath(const QString& relative);
} // namespace testsupport
