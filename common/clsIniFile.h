// Settings file access: reads and writes one file in the Windows profile format (CP932).
#pragma once
#include <QString>

class clsIniFile {
public:
    // Stores the path of the settings file.
    void PoSetIniFilePath(const QString& path);
    // Value of key in section, at most 255 CP932 bytes; def when the file, section or key is missing.
    QString PFuStrReadIniFile(const QString& section, const QString& key, const QString& def = QString());
    // Writes key=value into section; non-zero on success, 0 on failure.
    short PFIntWriteIniFile(const QString& section, const QString& key, const QString& value);

private:
    QString path_;
};
