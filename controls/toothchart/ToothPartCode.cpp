#include "controls/toothchart/ToothPartCode.h"

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
    return QStringLiteral("acdeghjkmnpqrs").contains(s) && !s.isNull();
}

bool isBridgeLetter(QChar s) {
    return QStringLiteral("dejkmnpqr").contains(s) && !s.isNull();
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

QString tokensOf(QChar state, int tooth, bool right) {
    const QChar d = QChar('0' + tooth);
    const QChar letter = tooth <= 5 ? QChar('A' + tooth - 1) : QChar();
    auto tok = [](QChar a, QChar b) { return QString(a) + b; };
    const QString plain = tok(d, QChar(' '));
    // Tokens as the right quadrant lists them; the left quadrant reads them in reverse.
    QString first, second;
    switch (state.unicode()) {
    case 'a':
        first = plain;
        break;
    case 'b':
        if (!letter.isNull())
            first = tok(letter, QChar(' '));
        break;
    case 'c':
        first = tok(d, QChar('M'));
        break;
    case 'd':
        first = tok(d, QChar('S'));
        break;
    case 'e':
        first = tok(d, QChar('W'));
        break;
    case 'g':
        first = plain;
        if (!letter.isNull())
            second = tok(letter, QChar(' '));
        break;
    case 'h':
        if (!letter.isNull())
            first = tok(letter, QChar(' '));
        second = plain;
        break;
    case 'j':
        first = tok(d, QChar('M'));
        second = tok(d, QChar('S'));
        break;
    case 'k':
        first = tok(d, QChar('S'));
        second = tok(d, QChar('M'));
        break;
    case 'm':
        first = tok(d, QChar('S'));
        second = tok(d, QChar('S'));
        break;
    case 'n':
        first = plain;
        second = QStringLiteral("T ");
        break;
    case 'p':
        first = tok(d, QChar('M'));
        second = QStringLiteral("T ");
        break;
    case 'q':
        first = tok(d, QChar('S'));
        second = QStringLiteral("T ");
        break;
    case 'r':
        first = tok(d, QChar('W'));
        second = QStringLiteral("T ");
        break;
    default: // "0", the reserved letters and anything else
        break;
    }
    return right ? first + second : second + first;
}

QString normalizeForSplitter(const QString& value) {
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
