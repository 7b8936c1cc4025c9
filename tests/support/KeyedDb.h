// Keyed database files made by the tests with the engine directly (the data layer never creates one).
#pragma once
#include <QByteArray>
#include <QString>

namespace testsupport {
// Runs sql on a keyed database file, creating it when missing: empty on success, else the engine's
// error text.
QString runKeyedSql(const QString& path, const QByteArray& key, const QString& sql);
} // namespace testsupport
