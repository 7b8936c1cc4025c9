// Text at the file boundary (CP932 bytes) and the string rules the program relies on.
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace text {

// CP932 (Windows-31J) encoding; a character CP932 cannot hold becomes '?'.
QByteArray toCp932(const QString& s);
// CP932 decoding; a trailing lone lead byte is dropped, an invalid byte becomes U+FFFD.
QString fromCp932(const QByteArray& bytes);
// True for a byte that starts a double-byte CP932 character.
bool isCp932Lead(unsigned char b);

enum class DanglingLead { Drop, Blank };
// The first n bytes; a lead byte whose trail would be cut away is dropped or blanked.
QByteArray cutCp932(const QByteArray& bytes, qsizetype n, DanglingLead mode);

// Trim of U+0020 and U+3000 only (not tabs or line breaks).
QString vbTrim(const QString& s);
QString vbLTrim(const QString& s);
QString vbRTrim(const QString& s);
// Left/Mid/Right that never fail on short or empty strings; Mid is 1-based.
QString vbLeft(const QString& s, qsizetype n);
QString vbRight(const QString& s, qsizetype n);
QString vbMid(const QString& s, qsizetype start, qsizetype length = -1);

// The leading number of the text, blanks, tabs and line breaks passed over wherever they stand;
// 0 when there is none.
double vbVal(const QString& s);
// After trimming: optional sign, digits with an optional point, optional exponent; "" is not numeric.
bool vbIsNumeric(const QString& s);
// The text as a 32-bit whole number, the runtime's CLng: blanks around it ignored, a fraction
// rounded half to even. Throws VbError 13 (type mismatch) for a text that is not a number and
// VbError 6 (overflow) for one outside the 32-bit range; source names the caller.
int32_t vbCLng(const QString& text, const QString& source);

// A path as the program uses it: a "\" (as settings values and stored paths of the clinic's old
// machines write it) is a separator, written "/".
QString localPath(const QString& path);

// Date and time formatting with the program's patterns: yyyy yy mm m dd d hh h nn n ss s;
// "mm" right after an hour stands for minutes. Other characters are literal.
QString vbFormatDateTime(const QDateTime& dt, const QString& pattern);
// Fixed decimals with halves rounded away from zero ("##0.00": 3.125 gives "3.13").
QString vbFormatFixed(double value, int decimals);

} // namespace text
