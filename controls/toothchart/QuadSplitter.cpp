#include "controls/toothchart/QuadSplitter.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "controls/toothchart/ToothPartCode.h"

namespace QuadSplitter {

namespace {

// The tokens of every state character (below 128) at every tooth on either side, and its mask bits,
// worked out once: splitting is done for every line of a record book.
struct ToothEntry {
    char chars[4];
    quint8 count = 0;
    quint16 bits = 0; // the mask bits it sets
};

struct TokenTable {
    ToothEntry entries[2][9][128];
    TokenTable() {
        for (int side = 0; side < 2; ++side)
            for (int tooth = 1; tooth <= 8; ++tooth)
                for (int c = 0; c < 128; ++c) {
                    ToothEntry& e = entries[side][tooth][c];
                    const QChar s(static_cast<char16_t>(c));
                    QChar tokens[4];
                    e.count = static_cast<quint8>(ToothPartCode::writeTokens(tokens, s, tooth, side == 0));
                    for (int i = 0; i < e.count; ++i)
                        e.chars[i] = static_cast<char>(tokens[i].unicode());
                    if (ToothPartCode::isOccupiedPermanent(s))
                        e.bits |= 1 << (tooth - 1);
                    if (ToothPartCode::isPresentDeciduous(s, tooth))
                        e.bits |= 1 << (8 + tooth - 1);
                }
    }
};

const TokenTable& tokenTable() {
    static const TokenTable table;
    return table;
}

// The 8192 possible masks, made once and shared.
const QString& maskText(int bits) {
    static const std::vector<QString> masks = [] {
        std::vector<QString> m(1 << 13);
        for (int b = 0; b < (1 << 13); ++b) {
            QString t(13, QChar(u'0'));
            for (int i = 0; i < 13; ++i)
                if (b & (1 << i))
                    t[i] = QChar(u'1');
            m[b] = t;
        }
        return m;
    }();
    return masks[bits];
}

} // namespace

QuadText quadrantText(QStringView block, bool right) {
    const TokenTable& table = tokenTable();
    QChar text[8 * 4];
    int n = 0;
    int bits = 0;
    for (qsizetype pos = 0; pos < block.size() && pos < 8; ++pos) {
        const int tooth = right ? 8 - static_cast<int>(pos) : static_cast<int>(pos) + 1;
        const char16_t c = block.at(pos).unicode();
        if (c >= 128)
            continue; // no tokens, no mask bit
        const ToothEntry& e = table.entries[right ? 0 : 1][tooth][c];
        for (int i = 0; i < e.count; ++i)
            text[n++] = QChar(static_cast<char16_t>(e.chars[i]));
        bits |= e.bits;
    }
    return QuadText{n ? QString(text, n) : QString(), maskText(bits)};
}

namespace {

enum class Kind { None, Digit, Letter };

Kind kindOf(QStringView tok) {
    if (tok.size() != 2 || tok.at(1) != QChar(' '))
        return Kind::None;
    const QChar c = tok.at(0);
    if (c >= QChar('1') && c <= QChar('8'))
        return Kind::Digit;
    if (c >= QChar('A') && c <= QChar('E'))
        return Kind::Letter;
    return Kind::None;
}

bool isBlank(QStringView s) {
    return s.trimmed().isEmpty();
}

// The state of the run being walked.
struct Run {
    JawTexts out;
    QStringView prev;
    Kind kind = Kind::None;
    int n = 1;
    bool fromRight = false;

    void close() {
        if (n == 2) {
            (fromRight ? out.right : out.left) += prev;
        } else if (n >= 3) {
            if (fromRight) {
                out.right += u"- ";
                out.right += prev;
            } else if (isBlank(out.left)) {
                // The run began on the right and crossed the midline.
                out.centre = QStringLiteral("- ");
                out.left += prev;
            } else {
                out.left += u"- ";
                out.left += prev;
            }
        }
    }

    // Walks one side's tokens. A token continues the run when it is of the run's kind and follows the
    // previous token: one tooth lower on the right, one higher on the left, and, first on the left after
    // the right, the same tooth 1 or A (the run crosses the midline).
    void walk(const QString& text, bool rightSide) {
        QString& side = rightSide ? out.right : out.left;
        side.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); i += 2) {
            const QStringView tok = QStringView(text).mid(i, 2);
            const Kind k = kindOf(tok);
            bool cont = k != Kind::None && k == kind;
            if (cont) {
                const char16_t c = tok.at(0).unicode();
                const char16_t p = prev.at(0).unicode();
                if (rightSide)
                    cont = c + 1 == p;
                else if (fromRight)
                    cont = tok == prev && (tok == u"1 " || tok == u"A ");
                else
                    cont = c == p + 1;
            }
            if (cont) {
                ++n;
            } else {
                close();
                side += tok;
                n = 1;
            }
            prev = tok;
            kind = k;
            fromRight = rightSide;
        }
    }
};

} // namespace

JawTexts compressJaw(const QString& right, const QString& centre, const QString& left) {
    Run run;
    run.walk(right, true);
    if (!isBlank(centre)) {
        run.close();
        run.out.centre = centre;
        run.kind = Kind::None;
        run.n = 1;
    }
    run.walk(left, false);
    run.close();
    return run.out;
}

namespace {

// A right text ending in tooth 1 and a gap gives the gap to the midline.
bool takeRightGap(QString& text) {
    const qsizetype n = text.size();
    if (n >= 4 && text.at(n - 4) == QChar('1') && text.at(n - 2) == QChar('T') &&
        text.at(n - 1) == QChar(' ')) {
        text.chop(2);
        return true;
    }
    return false;
}

bool takeLeftGap(QString& text) {
    if (text.size() >= 4 && text.at(0) == QChar('T') && text.at(1) == QChar(' ') &&
        text.at(2) == QChar('1')) {
        text.remove(0, 2);
        return true;
    }
    return false;
}

} // namespace

QuadNotation split(const QString& code) {
    using namespace ToothPartCode;
    QuadNotation q;
    q.compress = isCompressed(code);
    auto block = [&](int quadrant) { return QStringView(code).mid(1 + 8 * quadrant, 8); };
    QuadText ur = quadrantText(block(UpperRight), true);
    QuadText ul = quadrantText(block(UpperLeft), false);
    QuadText dr = quadrantText(block(LowerRight), true);
    QuadText dl = quadrantText(block(LowerLeft), false);
    q.urb = ur.mask;
    q.ulb = ul.mask;
    q.drb = dr.mask;
    q.dlb = dl.mask;
    const QString gap = QStringLiteral("T ");
    QString uc, dc;
    if (takeRightGap(ur.text))
        uc = gap;
    if (takeLeftGap(ul.text))
        uc = gap;
    if (takeRightGap(dr.text))
        dc = gap;
    if (takeLeftGap(dl.text))
        dc = gap;
    if (!q.compress) {
        q.ur = ur.text;
        q.uc = uc;
        q.ul = ul.text;
        q.dr = dr.text;
        q.dc = dc;
        q.dl = dl.text;
        return q;
    }
    const JawTexts upper = compressJaw(ur.text, uc, ul.text);
    const JawTexts lower = compressJaw(dr.text, dc, dl.text);
    q.ur = upper.right;
    q.uc = upper.centre;
    q.ul = upper.left;
    q.dr = lower.right;
    q.dc = lower.centre;
    q.dl = lower.left;
    return q;
}

} // namespace QuadSplitter
