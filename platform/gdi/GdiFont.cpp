#include "platform/gdi/GdiFont.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

namespace gdi {

QString substituteFontFamily(const QString& name) {
    static const QHash<QString, QString> table = {
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")},
        {QStringLiteral("ＭＳ ＵＩ ゴシック"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")},
        {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho")},
        {QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho")},
        {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("IPAPGothic")},
    };
    // The program writes the names with a plain or an ideographic space between the words.
    QString key = name.trimmed();
    key.replace(QChar(0x3000), QChar(' '));
    const auto it = table.constFind(key);
    if (it != table.constEnd())
        return it.value();
    return key.isEmpty() ? QStringLiteral("IPAPGothic") : name;
}

int fontPixelSize(double points, double dpi) {
    // GDI's MulDiv rounds halves away from zero.
    return std::max(1, static_cast<int>(std::floor(points * dpi / 72.0 + 0.5)));
}

QFont logicalFont(const QString& name, double points, bool bold, bool italic) {
    QFont f(name);
    f.setPointSizeF(points > 0 ? points : 1.0);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

double fontPoints(const QFont& f) {
    if (f.pointSizeF() > 0)
        return f.pointSizeF();
    if (f.pixelSize() > 0)
        return f.pixelSize() * 72.0 / 96.0;
    return 9.0;
}

QFont deviceFont(const QFont& logical, double dpi) {
    QFont f(substituteFontFamily(logical.family()));
    f.setPixelSize(fontPixelSize(fontPoints(logical), dpi));
    f.setBold(logical.bold());
    f.setItalic(logical.italic());
    f.setUnderline(logical.underline());
    f.setStrikeOut(logical.strikeOut());
    // GDI text output does not kern.
    f.setKerning(false);
    return f;
}

QFont makeFont(const QString& name, double points, bool bold, bool italic, bool underline, bool strike) {
    QFont f(substituteFontFamily(name));
    f.setPixelSize(std::max(1, qRound(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strike);
    return f;
}

namespace {

// Metrics of one font with the advances of single characters remembered: the common one-line case is
// measured without shaping the whole text.
struct Measurer {
    static constexpr std::int16_t kUnknown = -1; // not measured yet
    static constexpr std::int16_t kShaped = -2;  // a surrogate or a combining mark: the text needs shaping
    explicit Measurer(const QFont& f) : font(f), fm(f), advances(0x10000, kUnknown) {}
    QFont font;
    QFontMetrics fm;
    std::vector<std::int16_t> advances; // by UTF-16 code unit
};

Measurer& measurerFor(const QFont& font) {
    // Texts come in runs of one font (a grid column, row after row): the last font is checked first.
    static Measurer* last = nullptr;
    if (last && last->font == font)
        return *last;
    static QHash<QString, Measurer*> cache;
    QString key = font.family();
    key += QChar(0x1F);
    key += QString::number(font.pixelSize());
    key += font.bold() ? QChar('b') : QChar('-');
    key += font.italic() ? QChar('i') : QChar('-');
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key, new Measurer(font));
    last = *it;
    return **it;
}

// Sum of the single-character advances, or -1 when the text holds characters that need shaping.
int sumOfAdvances(Measurer& m, const QString& t) {
    int sum = 0;
    for (const QChar ch : t) {
        std::int16_t& advance = m.advances[ch.unicode()];
        if (advance == Measurer::kUnknown) {
            const bool shaped = ch.isSurrogate() || ch.category() == QChar::Mark_NonSpacing;
            advance = shaped ? Measurer::kShaped
                             : static_cast<std::int16_t>(std::clamp(m.fm.horizontalAdvance(ch), 0, 0x7FFF));
        }
        if (advance == Measurer::kShaped)
            return -1;
        sum += advance;
    }
    return sum;
}

} // namespace

int textBlockHeightPx(const QFont& font, const QString& text, int availWidthPx, bool wrap) {
    Measurer& m = measurerFor(font);
    const QFontMetrics& fm = m.fm;
    if (text.isEmpty() || !wrap)
        return fm.height();
    const int avail = std::max(1, availWidthPx);
    if (!text.contains(QChar('\n'))) {
        // Comfortably within the width by single advances: one line without shaping the text.
        const int quick = sumOfAdvances(m, text);
        if (quick >= 0 && quick + 2 + text.size() / 16 <= avail)
            return fm.height();
        if (fm.horizontalAdvance(text) <= avail)
            return fm.height();
    }
    const QRect r =
        fm.boundingRect(QRect(0, 0, avail, INT_MAX / 4),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
    return std::max(r.height(), fm.height());
}

} // namespace gdi
