// Reader and writer of Windows profile files ([section] and key=value lines, CP932 text).
#pragma once
#include <QString>
#include <optional>

namespace profile {

// Largest value a read hands back, in CP932 bytes (the 256-byte buffer less its terminator).
constexpr qsizetype kMaxValueBytes = 255;

// The value of key in the first section named section, with the blanks (spaces, tabs) around
// it and one pair of enclosing quotes removed, not yet cut to kMaxValueBytes. Names compare
// ASCII case-insensitively; the first matching key wins. Empty when the file cannot be read or
// the section or key is missing.
std::optional<QString> findValue(const QString& path, const QString& section, const QString& key);

// The value as a profile read returns it: the value found or def, cut to kMaxValueBytes CP932
// bytes without leaving half a double-byte character.
QString readString(const QString& path, const QString& section, const QString& key, const QString& def);

// s cut to at most maxBytes CP932 bytes; a double-byte character that would be split is dropped.
QString cutToBytes(const QString& s, qsizetype maxBytes = kMaxValueBytes);

// Writes key=value into section: replaces the first matching key line in place, adds the key at
// the end of the section, adds the section at the end of the file, or creates the file. Every
// other line keeps its bytes; what is written is CP932 with CR LF. False when the file cannot be
// written or a name or the value would break the line structure (line breaks, "]" in the section
// name, "=" in the key).
bool writeString(const QString& path, const QString& section, const QString& key, const QString& value);

} // namespace profile
