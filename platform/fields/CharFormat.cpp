#include "platform/fields/CharFormat.h"

namespace fields {

namespace {

bool isHalfWidthKana(char16_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

bool classTakes(QChar cls, QChar qc) {
    const char16_t c = qc.unicode();
    switch (cls.unicode()) {
    case u'9':
        return c >= u'0' && c <= u'9';
    case u'#':
        return c >= 0x20 && c < 0x7F && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z');
    case u'A':
        return c >= u'A' && c <= u'Z';
    case u'a':
        return c >= u'a' && c <= u'z';
    case u'Ｚ':
        return c >= 0x80 && !isHalfWidthKana(c);
    default:
        return false;
    }
}

} // namespace

bool formatAllows(const QString& format, QChar c) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
        return false;
    if (format.isEmpty())
        return true;
    for (QChar cls : format)
        if (classTakes(cls, c))
            return true;
    return false;
}

bool formatAllows(const QString& format, const QString& text) {
    for (QChar c : text)
        if (!formatAllows(format, c))
            return false;
    return true;
}

QString toFullWidth(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (c == u' ') {
            out += QChar(0x3000);
            ++i;
        } else if (c > 0x20 && c < 0x7F) {
            out += QChar(char16_t(c + 0xFEE0));
            ++i;
        } else if (isHalfWidthKana(c)) {
            // A run of half-width katakana: compatibility composition joins each voiced mark to its kana.
            qsizetype j = i;
            while (j < text.size() && isHalfWidthKana(text[j].unicode()))
                ++j;
            out += text.mid(i, j - i).normalized(QString::NormalizationForm_KC);
            i = j;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace fields
