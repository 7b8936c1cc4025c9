// The settings values read at start-up, and the unscrambling of the database password.
#pragma once
#include <QByteArray>
#include <QString>

namespace MdlIniData {

// Reads the thirteen settings values into the program-wide values; false when any key was
// missing or invalid (each such key is logged).
bool PFuGetIniData();
// The database password for a scrambled [CLIENT] passwd text, as raw bytes.
QByteArray FuStrPassDecode(const QString& text);
// Hexadecimal text to bytes: length halved with halves to even, a missing or non-hex digit is 0.
QByteArray FuAryHexToBytes(const QString& text);
// Bytes XORed in turn with the program's seven-character key.
QByteArray FuStrXorKey(const QByteArray& bytes);
// One byte from a pair of hexadecimal digits ("" or a missing second digit counts as 0).
unsigned char FuBytHexToByte(const QString& pair);

} // namespace MdlIniData
