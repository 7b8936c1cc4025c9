// Height of a block of text: one line where it fits, else the font's own wrapped layout, whatever font was
// measured before.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <climits>

#include "platform/gdi/Gdi.h"

using namespace gdi;

TEST(GdiTextBlock, HeightIsTheFontsOwnLayoutWhicheverFontCameBefore) {
    const QFont fonts[] = {
        makeFont(QStringLiteral("ＭＳ Ｐゴシック"), 9), makeFont(QStringLiteral("ＭＳ Ｐゴシック"), 20),
        makeFont(QStringLiteral("ＭＳ Ｐゴシック"), 20, true), makeFont(QStringLiteral("ＭＳ 明朝"), 9)};
    const QString texts[] = {
        QStringLiteral("東京都千代田区千代田一丁目一番"), QStringLiteral("1-2-3 Chiyoda, Tokyo"),
        QStringLiteral("か\u3099き\u3099く\u3099"), // combining voiced marks
        QStringLiteral("a\U0001F600b\U0001F600c"),  // characters beyond 16 bits
    };
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextWrapAnywhere;
    // Each text at widths where the small font keeps one line and the large ones wrap, the fonts taken
    // in turn so that every measure follows another font's.
    for (int round = 0; round < 2; ++round) {
        for (const QString& text : texts) {
            const int oneLineOfSmall = QFontMetrics(fonts[0]).horizontalAdvance(text);
            for (int width : {oneLineOfSmall * 3 / 2 + 10, oneLineOfSmall / 2, INT_MAX / 8}) {
                for (const QFont& font : fonts) {
                    const QFontMetrics fm(font);
                    // One line where the text fits, else the lines of the font's own wrapped layout.
                    const int want =
                        fm.horizontalAdvance(text) <= width
                            ? fm.height()
                            : std::max(fm.boundingRect(QRect(0, 0, width, INT_MAX / 4), flags, text).height(),
                                       fm.height());
                    EXPECT_EQ(textBlockHeightPx(font, text, width, true), want)
                        << text.toStdString() << " " << font.pixelSize() << " " << width;
                }
            }
        }
    }
}
