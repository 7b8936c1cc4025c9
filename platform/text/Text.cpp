#include "platform/text/Text.h"

#include <cerrno>
#include <cmath>
#include <iconv.h>
#include <limits>
#include <mutex>

#include "platform/error/VbError.h"

namespace text {
namespace {

// Length of the UTF-8 sequence that starts with b (1 for stray bytes).
int utf8Length(unsigned char b) {
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

struct Converter {
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

// Converts the whole input with iconv, appending to out. Where iconv stops at input it cannot convert
// (errno EILSEQ, or EINVAL for a sequence cut off at the end), stuck(first byte there, errno, out)
// appends what stands for it and answers how many input bytes that covers; 0 ends the conversion there.
// False when iconv cannot convert between the two encodings.
template <typename Stuck>
bool convert(const char* to, const char* from, const QByteArray& in, QByteArray& out, Stuck stuck) {
    Converter conv(to, from);
    if (conv.cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    char buf[2048];
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        const size_t rc = iconv(conv.cd, &src, &srcLeft, &dst, &dstLeft);
        const int err = errno;
        out.append(buf, static_cast<qsizetype>(dst - buf));
        if (rc != static_cast<size_t>(-1) || err == E2BIG)
            continue;
        const size_t skip = std::min<size_t>(srcLeft, stuck(static_cast<unsigned char>(*src), err, out));
        if (skip == 0)
            break;
        src += skip;
        srcLeft -= skip;
        iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

} // namespace

QByteArray toCp932(const QString& s) {
    const QByteArray in = s.toUtf8();
    QByteArray out;
    out.reserve(in.size() + 8);
    // A character CP932 cannot hold: Windows writes its default character.
    const auto unmapped = [](unsigned char b, int, QByteArray& o) -> size_t {
        o.append('?');
        return static_cast<size_t>(utf8Length(b));
    };
    if (!convert("CP932", "UTF-8", in, out, unmapped))
        return s.toLatin1();
    return out;
}

QString fromCp932(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() * 2);
    const auto unmapped = [](unsigned char b, int err, QByteArray& o) -> size_t {
        if (err == EINVAL)
            return 0; // a lone lead byte at the end: dropped
        // Bytes glibc rejects but Windows maps to private or control characters.
        char32_t cp = 0xFFFD;
        if (b == 0x80)
            cp = 0x0080;
        else if (b == 0xA0)
            cp = 0xF8F0;
        else if (b >= 0xFD)
            cp = 0xF8F1 + (b - 0xFD);
        o.append(QString::fromUcs4(&cp, 1).toUtf8());
        return 1;
    };
    if (!convert("UTF-8", "CP932", bytes, out, unmapped))
        return QString::fromLatin1(bytes);
    return QString::fromUtf8(out);
}

bool isCp932Lead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

QByteArray cutCp932(const QByteArray& bytes, qsizetype n, DanglingLead mode) {
    if (n < 0)
        n = 0;
    if (bytes.size() <= n)
        return bytes;
    QByteArray out = bytes.left(n);
    // Walk from the start: a lead byte steps two, anything else one.
    qsizetype i = 0;
    while (i < n) {
        if (isCp932Lead(static_cast<unsigned char>(bytes[i]))) {
            if (i + 1 >= n) {
                if (mode == DanglingLead::Drop)
                    out.chop(1);
                else
                    out[i] = ' ';
                break;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return out;
}

namespace {
bool isVbBlank(QChar c) {
    return c == QChar(0x0020) || c == QChar(0x3000);
}
} // namespace

QString vbLTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && isVbBlank(s[i]))
        ++i;
    return s.mid(i);
}

QString vbRTrim(const QString& s) {
    qsizetype j = s.size();
    while (j > 0 && isVbBlank(s[j - 1]))
        --j;
    return s.left(j);
}

QString localPath(const QString& path) {
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString vbTrim(const QString& s) {
    return vbRTrim(vbLTrim(s));
}

QString vbLeft(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.left(n);
}

QString vbRight(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.right(n);
}

QString vbMid(const QString& s, qsizetype start, qsizetype length) {
    if (start < 1)
        start = 1;
    if (start > s.size() || length == 0)
        return QString();
    return length < 0 ? s.mid(start - 1) : s.mid(start - 1, length);
}

namespace {
// Length of the numeric prefix of s from pos: sign, digits, point, exponent ("E", and "D" too when
// dExponent is set).
qsizetype numberPrefix(const QString& s, qsizetype pos, bool* sawDigit, bool dExponent = false) {
    qsizetype i = pos;
    *sawDigit = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        *sawDigit = true;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && s[i].unicode() < 128 && s[i].isDigit()) {
            ++i;
            *sawDigit = true;
        }
    }
    const auto isExponent = [dExponent](QChar c) {
        return c == u'e' || c == u'E' || (dExponent && (c == u'd' || c == u'D'));
    };
    if (*sawDigit && i < s.size() && isExponent(s[i])) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        qsizetype k = j;
        while (k < s.size() && s[k].unicode() < 128 && s[k].isDigit())
            ++k;
        if (k > j)
            i = k;
    }
    return i - pos;
}
} // namespace

double vbVal(const QString& s) {
    // Val passes over blanks, tabs and line breaks wherever they stand ("1 2" is 12), then reads
    // the leading number; "D" is an exponent letter as well as "E".
    QString t;
    t.reserve(s.size());
    for (QChar c : s)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            t += c;
    bool digit = false;
    const qsizetype len = numberPrefix(t, 0, &digit, true);
    if (!digit)
        return 0.0;
    QString number = t.left(len);
    number.replace(u'd', u'e').replace(u'D', u'e');
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0.0;
}

bool vbIsNumeric(const QString& s) {
    const QString t = vbTrim(s);
    if (t.isEmpty())
        return false;
    bool digit = false;
    qsizetype len = numberPrefix(t, 0, &digit);
    return digit && len == t.size();
}

int32_t vbCLng(const QString& text, const QString& source) {
    if (!vbIsNumeric(text))
        throw VbError::of(13, source);
    bool ok = false;
    double v = vbTrim(text).toDouble(&ok);
    // A failed conversion of numeric text is one out of range: infinite overflows, a tiny one is 0.
    if (!ok && !std::isinf(v))
        v = 0.0;
    v = std::nearbyint(v); // default rounding: half to even
    if (!(v >= static_cast<double>(std::numeric_limits<int32_t>::min()) &&
          v <= static_cast<double>(std::numeric_limits<int32_t>::max())))
        throw VbError::of(6, source);
    return static_cast<int32_t>(v);
}

QString vbFormatDateTime(const QDateTime& dt, const QString& pattern) {
    QString out;
    const QDate d = dt.date();
    const QTime t = dt.time();
    bool afterHour = false;
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype j = i;
        while (j < pattern.size() && pattern[j].toLower() == c)
            ++j;
        return j - i;
    };
    while (i < pattern.size()) {
        const QChar c = pattern[i].toLower();
        qsizetype n = 0;
        if (c == u'y') {
            n = run(u'y');
            out += n >= 3 ? QString::asprintf("%04d", d.year()) : QString::asprintf("%02d", d.year() % 100);
            afterHour = false;
        } else if (c == u'm') {
            n = run(u'm');
            const int v = afterHour ? t.minute() : d.month();
            out += n >= 2 ? QString::asprintf("%02d", v) : QString::number(v);
            afterHour = false;
        } else if (c == u'd') {
            n = run(u'd');
            out += n >= 2 ? QString::asprintf("%02d", d.day()) : QString::number(d.day());
            afterHour = false;
        } else if (c == u'h') {
            n = run(u'h');
            out += n >= 2 ? QString::asprintf("%02d", t.hour()) : QString::number(t.hour());
            afterHour = true;
        } else if (c == u'n') {
            n = run(u'n');
            out += n >= 2 ? QString::asprintf("%02d", t.minute()) : QString::number(t.minute());
            afterHour = false;
        } else if (c == u's') {
            n = run(u's');
            out += n >= 2 ? QString::asprintf("%02d", t.second()) : QString::number(t.second());
            afterHour = false;
        } else {
            out += pattern[i];
            n = 1;
        }
        i += n;
    }
    return out;
}

QString vbFormatFixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Round on the decimal text's own digits: add a tiny relative nudge so that values whose
    // binary form lies just below an exact half (2.675) round like their written form.
    double scaled = std::fabs(value) * scale;
    double rounded = std::floor(scaled + 0.5 + 1e-9 * std::max(1.0, scaled));
    if (value < 0)
        rounded = -rounded;
    QString s = QString::number(rounded / scale, 'f', decimals);
    if (s.startsWith(u'-') && rounded == 0)
        s.remove(0, 1);
    return s;
}

} // namespace text
