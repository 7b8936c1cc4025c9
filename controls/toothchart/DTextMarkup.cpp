#include "controls/toothchart/DTextMarkup.h"

#include <algorithm>

namespace DTextMarkup {

qsizetype runLengthAt(const QString& text, qsizetype p) {
    if (p < 0 || p + 1 >= text.size() || text.at(p) != QChar('/') || text.at(p + 1) != QChar('{'))
        return 0;
    const qsizetype j = text.indexOf(kPostfix, p + 2);
    return j < 0 ? 0 : j - p + 2;
}

namespace {

Kind kindOfLetter(QChar c) {
    switch (c.unicode()) {
    case 'B':
    case 'b':
        return Kind::Half;
    case 'C':
    case 'c':
        return Kind::Circle;
    case 'D':
    case 'd':
        return Kind::Glyph;
    default:
        return Kind::Other;
    }
}

} // namespace

Element elementAt(const QString& text, qsizetype p) {
    Element e;
    e.start = p;
    const qsizetype len = runLengthAt(text, p);
    if (len > 0) {
        e.length = len;
        e.text = text.mid(p, len);
        // "/{/}" has no kind letter (its third character is the closing slash): no kind, empty inner.
        e.kind = kindOfLetter(e.text.at(2));
        e.inner = e.text.mid(3, std::max<qsizetype>(0, len - 5));
        return e;
    }
    // A character outside the basic plane (a surrogate pair) is one element: cutting it would leave
    // half a character in the text.
    const bool pair = text.at(p).isHighSurrogate() && p + 1 < text.size() && text.at(p + 1).isLowSurrogate();
    e.length = pair ? 2 : 1;
    e.text = text.mid(p, e.length);
    e.kind = e.text == QStringLiteral("\r") ? Kind::LineBreak : Kind::Char;
    return e;
}

QVector<Element> tokenize(const QString& text) {
    QVector<Element> out;
    for (qsizetype p = 0; p < text.size();) {
        out.append(elementAt(text, p));
        p += out.back().length;
    }
    return out;
}

GlyphRun glyphOf(const QString& inner) {
    return GlyphRun{inner.left(33), inner.mid(33)};
}

QString removeLineFeeds(const QString& text) {
    QString t = text;
    t.remove(QChar('\n'));
    return t;
}

} // namespace DTextMarkup
