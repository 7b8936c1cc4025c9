// The 33-character tooth-part code: its blocks, state letters, tokens, masks and normalisations.
#pragma once
#include <QString>

namespace ToothPartCode {

constexpr int kLength = 33;
// The empty chart: "N" and 32 "0".
inline const QString kEmpty = QStringLiteral("N00000000000000000000000000000000");

// Quadrants in code order: upper right, upper left, lower right, lower left.
enum Quadrant { UpperRight = 0, UpperLeft = 1, LowerRight = 2, LowerLeft = 3 };
inline bool isRightQuadrant(int q) {
    return q == UpperRight || q == LowerRight;
}

// "C" as first character means compressed notation; anything else normal.
bool isCompressed(const QString& code);
// The eight characters of a quadrant's block (fewer when the code is short).
QString blockOf(const QString& code, int quadrant);
// The state letter of permanent tooth 1..8 (deciduous A..E share 1..5) of a quadrant; '\0' when the
// code is too short to hold it.
QChar stateAt(const QString& code, int quadrant, int tooth);
// 0-based index into the code of a quadrant's tooth.
int indexOf(int quadrant, int tooth);

// A plain permanent tooth is present: a, g, h.
bool isPresentPermanent(QChar s);
// A deciduous tooth is present: b, g, h at teeth 1..5.
bool isPresentDeciduous(QChar s, int tooth);
// The position counts as an occupied permanent position in the occupancy mask: every letter a..s but
// b, f, i, l, o.
bool isOccupiedPermanent(QChar s);
// Bridge content: d, e, j, k, m, n, p, q, r.
bool isBridgeLetter(QChar s);
// True when characters 2 onward hold bridge content.
bool hasBridgeContent(const QString& code);
// True when characters 2 to 33 are all "0" (any first character): no tooth at all.
bool hasNoTooth(const QString& code);

// Tokens of one tooth in a quadrant text, in the quadrant's reading order (right: from the back tooth
// toward the midline; left: the mirror image).
QString tokensOf(QChar state, int tooth, bool right);
// The same, written to a buffer of at least four characters; returns the characters written.
int writeTokens(QChar* out, QChar state, int tooth, bool right);

// The splitter's form of a value: "0" appended 33 times, cut to 33 characters.
QString normalizeForSplitter(const QString& value);
// The entry panel's form: the mode cell's first character (or "N"), then each quadrant cell's first
// eight characters padded with "0". Always 33 characters.
QString buildFromCells(const QString& mode, const QString& upperRight, const QString& upperLeft,
                       const QString& lowerRight, const QString& lowerLeft);

} // namespace ToothPartCode
