// Character classes of the text entry field's format, and the half-width to full-width conversion.
#pragma once
#include <QChar>
#include <QString>

namespace fields {

// A format is a string of class letters; a character is allowed when one class takes it:
// "9" half-width digits, "#" half-width digits, signs and the blank, "A" half-width capitals,
// "a" half-width small letters, "Ｚ" every full-width character (anything but half-width ASCII and
// half-width katakana). An empty format takes every printable character. Control characters never pass.
bool formatAllows(const QString& format, QChar c);
bool formatAllows(const QString& format, const QString& text);

// Half-width letters, digits, signs and the blank as their full-width forms, half-width katakana
// (with its voiced marks) as full-width katakana; everything else unchanged.
QString toFullWidth(const QString& text);

} // namespace fields
