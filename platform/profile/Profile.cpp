#include "platform/profile/Profile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include "platform/text/Text.h"

namespace profile {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Windows compares profile names without regard to ASCII case only.
bool sameName(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'a' && x <= u'z')
            x = static_cast<char16_t>(x - u'a' + u'A');
        if (y >= u'a' && y <= u'z')
            y = static_cast<char16_t>(y - u'a' + u'A');
        if (x != y)
            return false;
    }
    return true;
}

// One decoded line, classified.
struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    QString name;  // section or key name
    QString value; // key value, trimmed and unquoted
};

Parsed parseLine(const QString& line) {
    Parsed p;
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i < line.size() && line[i] == u'[') {
        p.kind = Parsed::Section;
        const qsizetype close = line.indexOf(u']', i + 1);
        p.name = close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
        return p;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return p;
    p.kind = Parsed::Key;
    p.name = trimBlanks(line.left(eq));
    QString v = trimBlanks(line.mid(eq + 1));
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    p.value = v;
    return p;
}

// Lines split on CR LF, CR or LF.
QStringList splitLines(const QString& s) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < s.size()) {
        if (s[i] == u'\r' || s[i] == u'\n') {
            lines.append(s.mid(start, i - start));
            if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < s.size())
        lines.append(s.mid(start));
    return lines;
}

// A raw line of the file with its own line end, kept byte for byte.
struct RawLine {
    QByteArray body;
    QByteArray eol;
};

// CR and LF never occur inside a CP932 character, so raw bytes can be split on them safely.
QList<RawLine> splitRaw(const QByteArray& raw) {
    QList<RawLine> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < raw.size()) {
        if (raw[i] == '\r' || raw[i] == '\n') {
            RawLine l{raw.mid(start, i - start), {}};
            if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
                l.eol = QByteArrayLiteral("\r\n");
                i += 2;
            } else {
                l.eol = QByteArray(1, raw[i]);
                ++i;
            }
            lines.append(l);
            start = i;
        } else {
            ++i;
        }
    }
    if (start < raw.size())
        lines.append(RawLine{raw.mid(start), {}});
    return lines;
}

// Gives a last line without a line end its CR LF, so that a line can follow it. A last line that ends
// in half a double-byte character loses that half first: a read drops it at the end of the file, but
// before a line end it would read as a replacement character, changing that line's value.
void endLastLine(RawLine& line) {
    if (!line.eol.isEmpty())
        return;
    if (text::fromCp932(line.body + '\n') != text::fromCp932(line.body) + u'\n')
        line.body.chop(1);
    line.eol = QByteArrayLiteral("\r\n");
}

bool readAll(const QString& path, QByteArray* out) {
    if (!QFileInfo(path).isFile())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *out = f.readAll();
    return true;
}

} // namespace

std::optional<QString> findValue(const QString& path, const QString& section, const QString& key) {
    QByteArray raw;
    if (!readAll(path, &raw))
        return std::nullopt;
    // Decode first: a CP932 trail byte can be '[' or ']'.
    const QStringList lines = splitLines(text::fromCp932(raw));
    bool inSection = false;
    for (const QString& line : lines) {
        const Parsed p = parseLine(line);
        if (p.kind == Parsed::Section) {
            if (inSection)
                return std::nullopt; // only the first section of that name is looked at
            inSection = sameName(p.name, section);
        } else if (inSection && p.kind == Parsed::Key && sameName(p.name, key)) {
            return p.value;
        }
    }
    return std::nullopt;
}

QString cutToBytes(const QString& s, qsizetype maxBytes) {
    const QByteArray bytes = text::toCp932(s);
    if (bytes.size() <= maxBytes)
        return s;
    return text::fromCp932(text::cutCp932(bytes, maxBytes, text::DanglingLead::Drop));
}

QString readString(const QString& path, const QString& section, const QString& key, const QString& def) {
    const std::optional<QString> v = findValue(path, section, key);
    return cutToBytes(v ? *v : def);
}

bool writeString(const QString& path, const QString& section, const QString& key, const QString& value) {
    auto hasBreak = [](const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); };
    const QString trimmedKey = trimBlanks(key);
    if (hasBreak(section) || section.contains(u']') || hasBreak(key) || key.contains(u'=') ||
        trimmedKey.isEmpty() || trimmedKey.startsWith(u'[') || hasBreak(value))
        return false;

    QByteArray raw;
    const bool exists = QFileInfo(path).exists();
    if (exists && !readAll(path, &raw))
        return false;
    QList<RawLine> lines = splitRaw(raw);
    const QByteArray crlf = QByteArrayLiteral("\r\n");
    const RawLine newKeyLine{text::toCp932(key + u'=' + value), crlf};

    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parseLine(text::fromCp932(lines[i].body));
        if (p.kind == Parsed::Section && sameName(p.name, section)) {
            header = i;
            break;
        }
    }

    if (header < 0) {
        if (!lines.isEmpty())
            endLastLine(lines.back());
        lines.append(RawLine{text::toCp932(u'[' + section + u']'), crlf});
        lines.append(newKeyLine);
    } else {
        qsizetype lastFilled = header; // the section ends after its last non-blank line
        bool replaced = false;
        for (qsizetype i = header + 1; i < lines.size(); ++i) {
            const Parsed p = parseLine(text::fromCp932(lines[i].body));
            if (p.kind == Parsed::Section)
                break;
            if (p.kind == Parsed::Key && sameName(p.name, key)) {
                // Keep the key as it is written, up to and including '=' ('=' is never a trail byte).
                const qsizetype eq = lines[i].body.indexOf('=');
                lines[i].body = lines[i].body.left(eq + 1) + text::toCp932(value);
                replaced = true;
                break;
            }
            if (!trimBlanks(text::fromCp932(lines[i].body)).isEmpty())
                lastFilled = i;
        }
        if (!replaced) {
            endLastLine(lines[lastFilled]);
            lines.insert(lastFilled + 1, newKeyLine);
        }
    }

    QByteArray out;
    out.reserve(raw.size() + newKeyLine.body.size() + section.size() + 8);
    for (const RawLine& l : lines)
        out += l.body + l.eol;

    QSaveFile f(path);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(out) != out.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace profile
