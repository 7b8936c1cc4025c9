#include "common/clsIniFile.h"

#include "common/VeltrumCommon.h"
#include "platform/profile/Profile.h"

void clsIniFile::PoSetIniFilePath(const QString& path) {
    // The label has no "Po": it has always read this way.
    veltrum::setProperty(QStringLiteral("SetIniFilePathプロパティでのエラー"),
                         QStringLiteral("Veltrum.clsIniFile"), [&] { path_ = path; });
}

QString clsIniFile::PFuStrReadIniFile(const QString& section, const QString& key, const QString& def) {
    // No cache: every read goes to the file. The value (or the default) is at most 255 bytes.
    return profile::readString(path_, section, key, def);
}

short clsIniFile::PFIntWriteIniFile(const QString& section, const QString& key, const QString& value) {
    return profile::writeString(path_, section, key, value) ? 1 : 0;
}
