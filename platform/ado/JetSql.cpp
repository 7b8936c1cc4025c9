// The program's SQL texts were written for Jet; the few Jet calls they use are made runnable here.
#include "platform/ado/Ado.h"

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

} // namespace

QString rewriteJetSql(const QString& sql) {
    static const QString kIsNull = QStringLiteral("ISNULL");
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
