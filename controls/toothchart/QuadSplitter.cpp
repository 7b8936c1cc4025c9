#include "controls/toothchart/QuadSplitter.h"

#include "controls/toothchart/ToothPartCode.h"

namespace QuadSplitter {

QuadText quadrantText(const QString& block, bool right) {
    QuadText out{QString(), kEmptyMask};
    for (qsizetype pos = 0; pos < block.size() && pos < 8; ++pos) {
        const int tooth = right ? 8 - static_cast<int>(pos) : static_cast<int>(pos) + 1;
        const QChar s = block.at(pos);
        out.text += ToothPartCode::tokensOf(s, tooth, right);
        if (ToothPartCode::isOccupiedPermanent(s))
            out.mask[tooth - 1] = QChar('1');
        if (ToothPartCode::isPresentDeciduous(s, tooth))
            out.mask[8 + tooth - 1] = QChar('1');
    }
    return out;
}

namespace {

enum class Kind { None, Digit, Letter };

Kind kindOf(const QString& tok) {
    if (tok.size() != 2 || tok.at(1) != QChar(' '))
        return Kind::None;
    const QChar c = tok.at(0);
    if (c >= QChar('1') && c <= QChar('8'))
        return Kind::Digit;
    if (c >= QChar('A') && c <= QChar('E'))
        return Kind::Letter;
    return Kind::None;
}

bool isBlank(const QString& s) {
    return s.trimmed().isEmpty();
}

// The state of the run being walked.
struct Run {
    JawTexts out;
    QString prev;
    Kind kind = Kind::None;
    int n = 1;
    bool fromRight = false;

    void close() {
        if (n == 2) {
            (fromRight ? out.right : out.left) += prev;
        } else if (n >= 3) {
            if (fromRight) {
                out.right += QStringLiteral("- ") + prev;
            } else if (isBlank(out.left)) {
                // The run began on the right and crossed the midline.
                out.centre = QStringLiteral("- ");
                out.left += prev;
            } else {
                out.left += QStringLiteral("- ") + prev;
            }
        }
    }
};

} // namespace

JawTexts compressJaw(const QString& right, const QString& centre, const QString& left) {
    Run run;
    for (qsizetype i = 0; i < right.size(); i += 2) {
        const QString tok = right.mid(i, 2);
        const Kind k = kindOf(tok);
        const bool cont =
            k != Kind::None && k == run.kind && tok.at(0).unicode() + 1 == run.prev.at(0).unicode();
        if (cont) {
            ++run.n;
        } else {
            run.close();
            run.out.right += tok;
            run.n = 1;
        }
        run.prev = tok;
        run.kind = k;
        run.fromRight = true;
    }
    if (!isBlank(centre)) {
        run.close();
        run.out.centre = centre;
        run.kind = Kind::None;
        run.n = 1;
    }
    for (qsizetype i = 0; i < left.size(); i += 2) {
        const QString tok = left.mid(i, 2);
        const Kind k = kindOf(tok);
        bool cont = k != Kind::None && k == run.kind;
        if (cont) {
            if (run.fromRight)
                cont = tok == run.prev && (tok == QStringLiteral("1 ") || tok == QStringLiteral("A "));
            else
                cont = tok.at(0).unicode() == run.prev.at(0).unicode() + 1;
        }
        if (cont) {
            ++run.n;
        } else {
            run.close();
            run.out.left += tok;
            run.n = 1;
        }
        run.prev = tok;
        run.kind = k;
        run.fromRight = false;
    }
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
    QuadText ur = quadrantText(blockOf(code, UpperRight), true);
    QuadText ul = quadrantText(blockOf(code, UpperLeft), false);
    QuadText dr = quadrantText(blockOf(code, LowerRight), true);
    QuadText dl = quadrantText(blockOf(code, LowerLeft), false);
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
