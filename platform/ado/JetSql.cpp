// The program's SQL texts were written for Jet; the few Jet calls they use are made runnable here,
// and text is matched the way the clinic database compared Japanese text.
#include "platform/ado/Ado.h"

#include <string>
#include <vector>

namespace ado {
namespace {

bool isIdentChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() > 0x7F;
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// Copies a quoted part (string literal or quoted name) starting at i; a doubled closing
// character stays inside. Returns the index after the part.
qsizetype copyQuoted(const QString& sql, qsizetype i, QChar close, QString& out) {
    out += sql.at(i++);
    while (i < sql.size()) {
        const QChar c = sql.at(i++);
        out += c;
        if (c == close) {
            if (close != QLatin1Char(']') && i < sql.size() && sql.at(i) == close) {
                out += sql.at(i++);
                continue;
            }
            break;
        }
    }
    return i;
}

// Full-width forms of the half-width katakana U+FF61..U+FF9D, in code order.
const char16_t kHalfWidthKana[] =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン";

// The folded code points of text, as jetFoldText(text).toUcs4() gives them, without its copies for the
// common case: ASCII, kana and ideographs, which composition and case folding leave as they are (apart
// from ASCII capitals). False, with out unspecified, for any other text.
bool quickFold(const QString& text, std::u32string& out) {
    out.clear();
    for (const QChar qc : text) {
        char32_t c = qc.unicode();
        if (c >= 0xFF01 && c <= 0xFF5E)
            c -= 0xFEE0; // full-width letters, digits and signs
        else if (c == 0x3000)
            c = u' ';
        else if (c >= 0xFF61 && c <= 0xFF9D)
            c = kHalfWidthKana[c - 0xFF61];
        if (c < 0x80) {
            if (c >= u'A' && c <= u'Z')
                c += u'a' - u'A';
        } else if (c >= 0x30A1 && c <= 0x30FE) {
            if (c <= 0x30F6 || c == 0x30FD || c == 0x30FE)
                c -= 0x60; // katakana to hiragana
        } else if (!((c >= 0x3001 && c <= 0x3029) || (c >= 0x3030 && c <= 0x303F) ||
                     (c >= 0x3041 && c <= 0x3096) || (c >= 0x309B && c <= 0x30A0) ||
                     (c >= 0x4E00 && c <= 0x9FFF))) {
            return false; // voiced marks to join, other scripts, surrogates: the full folding
        }
        out.push_back(c);
    }
    return true;
}

} // namespace

QString jetFoldText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0xFF01 && c <= 0xFF5E)
            out += QChar(char16_t(c - 0xFEE0)); // full-width letters, digits and signs
        else if (c == 0x3000)
            out += QLatin1Char(' ');
        else if (c >= 0xFF61 && c <= 0xFF9D)
            out += QChar(kHalfWidthKana[c - 0xFF61]);
        else if (c == 0xFF9E)
            out += QChar(char16_t(0x3099)); // half-width voiced mark: joins the kana before it below
        else if (c == 0xFF9F)
            out += QChar(char16_t(0x309A));
        else
            out += qc;
    }
    // ｶﾞ becomes ガ, one character, as a typed ガ is.
    out = out.normalized(QString::NormalizationForm_C);
    for (QChar& qc : out) {
        const char16_t c = qc.unicode();
        if ((c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE)
            qc = QChar(char16_t(c - 0x60)); // katakana to hiragana
    }
    return out.toCaseFolded();
}

LikePattern::LikePattern(const QString& pattern, QChar escape) : escape_(escape) {
    QString literal;
    auto flush = [&] {
        for (const char32_t c : jetFoldText(literal).toUcs4())
            items_.push_back({Literal, c});
        literal.clear();
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (!escape.isNull() && c == escape) {
            if (++i >= pattern.size()) {
                valid_ = false; // an escape with nothing after it matches nothing
                return;
            }
            literal += pattern.at(i);
            continue;
        }
        if (c == QLatin1Char('%') || c == QLatin1Char('_')) {
            flush();
            items_.push_back({c == QLatin1Char('%') ? AnyRun : AnyOne, 0});
            continue;
        }
        literal += c;
    }
    flush();
}

bool LikePattern::matches(const QString& value) const {
    if (!valid_)
        return false;
    // One buffer for every row a statement matches.
    static thread_local std::u32string text;
    if (!quickFold(value, text)) {
        const QList<uint> full = jetFoldText(value).toUcs4();
        text.assign(full.begin(), full.end());
    }
    const size_t none = static_cast<size_t>(-1);
    size_t p = 0, t = 0, runAt = none, runFrom = 0;
    while (t < static_cast<size_t>(text.size())) {
        if (p < items_.size() &&
            (items_[p].kind == AnyOne || (items_[p].kind == Literal && items_[p].ch == text[t]))) {
            ++p;
            ++t;
        } else if (p < items_.size() && items_[p].kind == AnyRun) {
            runAt = p++;
            runFrom = t;
        } else if (runAt != none) {
            // Let the last run take one more character and try again from there.
            p = runAt + 1;
            t = ++runFrom;
        } else {
            return false;
        }
    }
    while (p < items_.size() && items_[p].kind == AnyRun)
        ++p;
    return p == items_.size();
}

bool jetLike(const QString& pattern, const QString& value, QChar escape) {
    return LikePattern(pattern, escape).matches(value);
}

QString rewriteJetSql(const QString& sql) {
    static const QString kIsNull = QStringLiteral("ISNULL");
    // Most texts hold no Jet call at all: nothing to rewrite.
    if (!sql.contains(kIsNull, Qt::CaseInsensitive))
        return sql;
    QString out;
    out.reserve(sql.size() + 16);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            i = copyQuoted(sql, i, c, out);
            continue;
        }
        if (c == QLatin1Char('[')) {
            i = copyQuoted(sql, i, QLatin1Char(']'), out);
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            out += sql.mid(i, stop - i);
            i = stop;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? sql.size() : end + 2;
            out += sql.mid(i, stop - i);
            i = stop;
            continue;
        }
        const bool wordStart = i == 0 || !isIdentChar(sql.at(i - 1));
        if (wordStart && sql.mid(i, kIsNull.size()).compare(kIsNull, Qt::CaseInsensitive) == 0) {
            qsizetype j = i + kIsNull.size();
            if (j >= sql.size() || !isIdentChar(sql.at(j))) {
                while (j < sql.size() && isBlank(sql.at(j)))
                    ++j;
                // Only the call form; the engine's own postfix "x ISNULL" is left as written.
                if (j < sql.size() && sql.at(j) == QLatin1Char('(')) {
                    out += QLatin1String("JET_ISNULL(");
                    i = j + 1;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace ado
