// Splitting a tooth-part code into the six quadrant texts and four occupancy masks.
#pragma once
#include <QString>

// The split of one code: texts of two-character tokens, and 13-character masks ("1" at 1..8 for an
// occupied permanent position, at 9..13 for a present deciduous tooth A..E).
struct QuadNotation {
    QString ur, uc, ul, dr, dc, dl;
    QString urb, ulb, drb, dlb;
    bool compress = false;
    bool operator==(const QuadNotation&) const = default;
};

namespace QuadSplitter {

inline const QString kEmptyMask = QStringLiteral("0000000000000");

// Text and mask of one quadrant block (right: teeth 8 to 1; left: teeth 1 to 8).
struct QuadText {
    QString text;
    QString mask;
};
QuadText quadrantText(QStringView block, bool right);

// Joins runs of three or more neighbouring plain teeth of one kind into first, "- ", last, across the
// midline when no gap stands there.
struct JawTexts {
    QString right, centre, left;
    bool operator==(const JawTexts&) const = default;
};
JawTexts compressJaw(const QString& right, const QString& centre, const QString& left);

// The whole split. Never fails: characters without tokens are skipped, a short code gives short
// blocks.
QuadNotation split(const QString& code);

} // namespace QuadSplitter
