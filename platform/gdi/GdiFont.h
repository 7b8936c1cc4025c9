// The one font table of the program and the making of fonts for a device resolution.
#pragma once
#include <QFont>
#include <QString>

namespace gdi {

// Windows font names that Debian lacks become the IPA fonts ("ＭＳ ゴシック" and "ＭＳ　ゴシック" ->
// IPAGothic, "ＭＳ Ｐゴシック" -> IPAPGothic, "ＭＳ 明朝" -> IPAMincho, ...); other names pass unchanged,
// an empty name becomes IPAPGothic.
QString substituteFontFamily(const QString& name);

// Pixel size of a point size on a device of the given resolution, rounded as GDI does
// (12 pt -> 16, 10.5 -> 14, 9 -> 12, 8 -> 11, 7.5 -> 10 at 96 dpi).
int fontPixelSize(double points, double dpi);

// A font as the program's font objects hold it: the name as written and a point size.
QFont logicalFont(const QString& name, double points, bool bold = false, bool italic = false);
// Point size of a font: its point size, or its pixel size read at 96 dpi.
double fontPoints(const QFont& f);
// The font to paint with on a device of the given resolution: substituted family, whole pixel size.
QFont deviceFont(const QFont& logical, double dpi);

// Font of the given name and point size at 96 pixels per inch (pixel size = pt * 96 / 72).
QFont makeFont(const QString& name, double points, bool bold = false, bool italic = false,
               bool underline = false, bool strike = false);

// Pixel height of a block of text in a 96-dpi font: one line when it does not wrap or is empty,
// else the lines it takes wrapped at availWidthPx (never less than one line).
int textBlockHeightPx(const QFont& font, const QString& text, int availWidthPx, bool wrap);

} // namespace gdi
