// Keyed database files for the data-layer tests, made with the engine directly.
#pragma once
#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include "support/KeyedDb.h"
#include "support/TestSupport.h"

namespace testdb {

// Creates (or extends) a keyed database at path and runs script on it.
inline void create(const QString& path, const QByteArray& key, const char* script) {
    const QString error = testsupport::runKeyedSql(path, key, QString::fromUtf8(script));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

} // namespace testdb
