#include "controls/toothchart/ToothPartCode.h"

#include <algorithm>

namespace ToothPartCode {

bool isCompressed(const QString& code) {
    return !code.isEmpty() && code.at(0) == QChar('C');
}

QString blockOf(const QString& code, int quadrant) {
    return code.mid(1 + 8 * quadrant, 8);
}

int indexOf(int quadrant, int tooth) {
    return 1 + 8 * quadrant + (isRightQuadrant(quadrant) ? 8 - tooth : tooth - 1);
}

QChar stateAt(const QString& code, int quadrant, int tooth) {
    const int i = indexOf(quadrant, tooth);
    return i < code.size() ? code.at(i) : QChar();
}

bool isPresentPermanent(QChar s) {
    return s == QChar('a') || s == QChar('g') || s == QChar('h');
}

bool isPresentDeciduous(QChar s, int tooth) {
    return tooth <= 5 && (s == QChar('b') || s == QChar('g') || s == QChar('h'));
}

bool isOccupiedPermanent(QChar s) {
    return !s.isNull() && QStringView(u"acdeghjkmnpqrs").contains(s);
}

bool isBridgeLetter(QChar s) {
    return !s.isNull() && QStringView(u"dejkmnpqr").contains(s);
}

bool hasBridgeContent(const QString& code) {
    for (qsizetype i = 1; i < code.size(); ++i)
        if (isBridgeLetter(code.at(i)))
            return true;
    return false;
}

bool hasNoTooth(const QString& code) {
    if (code.size() != kLength)
        return false;
    for (qsizetype i = 1; i < code.size(); ++i)
        if (code.at(i) != QChar('0'))
            return false;
    return true;
}

int writeTokens(QChar* out, QChar state, int tooth, bool right) {
    const QChar d(u'0' + tooth);
    const QChar letter = tooth <= 5 ? QChar(u'A' + tooth - 1) : QChar();
    const QChar blank(u' ');
    // The tokens as the right quadrant lists them (first, second); the left quadrant reads them reversed.
    QChar t[4];
    int n = 0;
    auto tok = [&](QChar a, QChar b) {
        t[n++] = a;
        t[n++] = b;
    };
    switch (state.unicode()) {
    case 'a':
        tok(d, blank);
        break;
    case 'b':
        if (!letter.isNull())
            tok(letter, blank);
        break;
    case 'c':
        tok(d, QChar(u'M'));
        break;
    case 'd':
        tok(d, QChar(u'S'));
        break;
    case 'e':
        tok(d, QChar(u'W'));
        break;
    case 'g':
        tok(d, blank);
        if (!letter.isNull())
            tok(letter, blank);
        break;
    case 'h':
        if (!letter.isNull())
            tok(letter, blank);
        tok(d, blank);
        break;
    case 'j':
        tok(d, QChar(u'M'));
        tok(d, QChar(u'S'));
        break;
    case 'k':
        tok(d, QChar(u'S'));
        tok(d, QChar(u'M'));
        break;
    case 'm':
        tok(d, QChar(u'S'));
        tok(d, QChar(u'S'));
        break;
    case 'n':
        tok(d, blank);
        tok(QChar(u'T'), blank);
        break;
    case 'p':
        tok(d, QChar(u'M'));
        tok(QChar(u'T'), blank);
        break;
    case 'q':
        tok(d, QChar(u'S'));
        tok(QChar(u'T'), blank);
        break;
    case 'r':
        tok(d, QChar(u'W'));
        tok(QChar(u'T'), blank);
        break;
    default: // "0", the reserved letters and anything else
        break;
    }
    if (right || n < 4) {
        std::copy(t, t + n, out);
    } else {
        std::copy(t + 2, t + 4, out);
        std::copy(t, t + 2, out + 2);
    }
    return n;
}

QString tokensOf(QChar state, int tooth, bool right) {
    QChar buf[4];
    return QString(buf, writeTokens(buf, state, tooth, right));
}

QString normalizeForSplitter(const QString& value) {
    if (value.size() == kLength)
        return value;
    return (value + QString(kLength, QChar('0'))).left(kLength);
}

QString buildFromCells(const QString& mode, const QString& upperRight, const QString& upperLeft,
                       const QString& lowerRight, const QString& lowerLeft) {
    const QString pad(8, QChar('0'));
    QString code = (mode + QStringLiteral("N")).left(1);
    for (const QString* cell : {&upperRight, &upperLeft, &lowerRight, &lowerLeft})
        code += (*cell + pad).left(8);
    return code;
}

} // namespace ToothPartCode
