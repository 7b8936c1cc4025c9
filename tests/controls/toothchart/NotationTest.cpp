// The tooth-part code and its quadrant notation: worked examples of both notations, masks, midline
// gaps, bridges, and splitting of any well-formed code.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "CodeBuilder.h"
#include "controls/toothchart/PartControl.h"
#include "controls/toothchart/QuadSplitter.h"

using namespace ToothPartCode;

namespace {
const QString k0 = QStringLiteral("0000000000000");
const QString kPerm8 = QStringLiteral("1111111100000");
} // namespace

TEST(ToothPartCode, Normalisations) {
    EXPECT_EQ(normalizeForSplitter(""), QString(33, QChar('0')));
    const QString twenty = QStringLiteral("N") + QString(19, QChar('a'));
    EXPECT_EQ(normalizeForSplitter(twenty), twenty + QString(13, QChar('0')));
    EXPECT_EQ(normalizeForSplitter(kEmpty + "abc"), kEmpty);
    // The panel's rule: first character of the mode cell or "N", each cell cut or padded to eight.
    EXPECT_EQ(buildFromCells("", "aa", "", "0000000000", "b"),
              QStringLiteral("N") + "aa000000" + "00000000" + "00000000" + "b0000000");
    EXPECT_EQ(buildFromCells("Cx", "abcdefghij", "1", "2", "3").size(), 33);
    EXPECT_EQ(buildFromCells("Cx", "abcdefghij", "1", "2", "3").left(9), QStringLiteral("Cabcdefgh"));
}

TEST(ToothPartCode, PredicatesPerPosition) {
    // "g" at upper right tooth 8 (position 2): a present permanent tooth, no deciduous one past tooth 5.
    const QString g8 = makeCode('N', {{UpperRight, 8, 'g'}});
    EXPECT_EQ(stateAt(g8, UpperRight, 8), QChar('g'));
    EXPECT_EQ(g8.at(1), QChar('g'));
    EXPECT_TRUE(isPresentPermanent('g'));
    EXPECT_FALSE(isPresentDeciduous('g', 8));
    EXPECT_TRUE(isPresentDeciduous('g', 5));
    EXPECT_EQ(QuadSplitter::split(g8).urb, QStringLiteral("0000000100000"));
    // Occupied positions are not the present teeth: "c" and "s" occupy, "b" does not.
    EXPECT_TRUE(isOccupiedPermanent('s'));
    EXPECT_TRUE(isOccupiedPermanent('c'));
    EXPECT_FALSE(isPresentPermanent('c'));
    EXPECT_FALSE(isOccupiedPermanent('b'));
    EXPECT_FALSE(isOccupiedPermanent('f'));
    EXPECT_FALSE(isOccupiedPermanent('t'));
    EXPECT_EQ(indexOf(UpperLeft, 1), 9);
    EXPECT_EQ(indexOf(LowerRight, 4), 21);
    EXPECT_TRUE(hasNoTooth(QStringLiteral("C") + QString(32, QChar('0'))));
    EXPECT_FALSE(hasNoTooth(makeCode('N', {{LowerLeft, 8, 'f'}})));
}

TEST(ToothPartCode, BridgeContent) {
    const QString allA = makeCode('N', {}, 'a');
    struct Case {
        char letter;
        bool bridge;
    } cases[] = {{'a', false}, {'c', false}, {'s', false}, {'b', false}, {'d', true},
                 {'e', true},  {'j', true},  {'k', true},  {'m', true},  {'n', true},
                 {'p', true},  {'q', true},  {'r', true}};
    for (const Case& c : cases) {
        QString code = allA;
        code[20] = QChar(c.letter);
        EXPECT_EQ(hasBridgeContent(code), c.bridge) << c.letter;
    }
    // The mode character is not a tooth.
    EXPECT_FALSE(hasBridgeContent(QStringLiteral("d") + QString(32, QChar('0'))));
    PartControl pc;
    pc.setPPoStrParts33(allA);
    EXPECT_FALSE(pc.FuBolCheckBridge());
    QString withQ = allA;
    withQ[30] = QChar('q');
    pc.setPPoStrParts33(withQ);
    EXPECT_TRUE(pc.FuBolCheckBridge());
}

TEST(QuadSplitter, WorkedExamples) {
    struct Case {
        const char* name;
        QString code;
        QuadNotation want; // ur uc ul dr dc dl, urb ulb drb dlb, compress
    };
    const QString dE = QStringLiteral("0000000011111");
    const Case cases[] = {
        {"empty chart", kEmpty, {"", "", "", "", "", "", k0, k0, k0, k0, false}},
        {"full normal",
         makeCode('N', {}, 'a'),
         {"8 7 6 5 4 3 2 1 ", "", "1 2 3 4 5 6 7 8 ", "8 7 6 5 4 3 2 1 ", "", "1 2 3 4 5 6 7 8 ", kPerm8,
          kPerm8, kPerm8, kPerm8, false}},
        {"full compressed",
         makeCode('C', {}, 'a'),
         {"8 ", "- ", "8 ", "8 ", "- ", "8 ", kPerm8, kPerm8, kPerm8, kPerm8, true}},
        {"gap at upper right 1",
         makeCode('N', {{UpperRight, 1, 'n'}}),
         {"1 ", "T ", "", "", "", "", "1000000000000", k0, k0, k0, false}},
        {"compressed 7 to 4",
         makeCode('C',
                  {{UpperRight, 7, 'a'}, {UpperRight, 6, 'a'}, {UpperRight, 5, 'a'}, {UpperRight, 4, 'a'}}),
         {"7 - 4 ", "", "", "", "", "", "0001111000000", k0, k0, k0, true}},
        {"compressed 3 and 2 stay",
         makeCode('C', {{UpperRight, 3, 'a'}, {UpperRight, 2, 'a'}}),
         {"3 2 ", "", "", "", "", "", "0110000000000", k0, k0, k0, true}},
        {"an abutment breaks the run",
         makeCode('C', {{UpperRight, 5, 'a'},
                        {UpperRight, 4, 'd'},
                        {UpperRight, 3, 'a'},
                        {UpperRight, 2, 'a'},
                        {UpperRight, 1, 'a'}}),
         {"5 4S3 - 1 ", "", "", "", "", "", "1111100000000", k0, k0, k0, true}},
        {"deciduous run",
         makeCode('C', {{UpperRight, 5, 'b'},
                        {UpperRight, 4, 'b'},
                        {UpperRight, 3, 'b'},
                        {UpperRight, 2, 'b'},
                        {UpperRight, 1, 'b'}}),
         {"E - A ", "", "", "", "", "", dE, k0, k0, k0, true}},
        {"deciduous run over the midline",
         makeCode('C', {{UpperRight, 2, 'b'},
                        {UpperRight, 1, 'b'},
                        {UpperLeft, 1, 'b'},
                        {UpperLeft, 2, 'b'},
                        {UpperLeft, 3, 'b'}}),
         {"B ", "- ", "C ", "", "", "", "0000000011000", "0000000011100", k0, k0, true}},
        {"a midline gap stops the run",
         makeCode('C', {{UpperRight, 2, 'a'},
                        {UpperRight, 1, 'n'},
                        {UpperLeft, 1, 'a'},
                        {UpperLeft, 2, 'a'},
                        {UpperLeft, 3, 'a'}}),
         {"2 1 ", "T ", "1 - 3 ", "", "", "", "1100000000000", "1110000000000", k0, k0, true}},
        {"two-run over the midline",
         makeCode('C', {{UpperRight, 2, 'a'}, {UpperRight, 1, 'a'}, {UpperLeft, 1, 'a'}}),
         {"2 ", "- ", "1 ", "", "", "", "1100000000000", "1000000000000", k0, k0, true}},
        {"two teeth over the midline keep both ends",
         makeCode('C', {{UpperRight, 1, 'a'}, {UpperLeft, 1, 'a'}}),
         {"1 ", "", "1 ", "", "", "", "1000000000000", "1000000000000", k0, k0, true}},
        {"an M mark inside a compressed run",
         makeCode('C', {{UpperRight, 8, 'a'},
                        {UpperRight, 7, 'a'},
                        {UpperRight, 6, 'a'},
                        {UpperRight, 5, 'a'},
                        {UpperRight, 4, 'c'},
                        {UpperRight, 3, 'a'},
                        {UpperRight, 2, 'a'},
                        {UpperRight, 1, 'a'}}),
         {"8 - 5 4M3 - 1 ", "", "", "", "", "", kPerm8, k0, k0, k0, true}},
        {"permanent and deciduous pairs",
         makeCode('N',
                  {{UpperRight, 2, 'g'}, {UpperRight, 1, 'h'}, {UpperLeft, 1, 'h'}, {UpperLeft, 2, 'g'}}),
         {"2 B A 1 ", "", "1 A B 2 ", "", "", "", "1100000011000", "1100000011000", k0, k0, false}},
        {"split teeth",
         makeCode('N', {{UpperRight, 3, 'j'}, {UpperLeft, 3, 'k'}, {LowerRight, 3, 'm'}}),
         {"3M3S", "", "3M3S", "3S3S", "", "", "0010000000000", "0010000000000", "0010000000000", k0, false}},
        {"gaps on both sides of the midline",
         makeCode('N', {{UpperRight, 1, 'n'}, {UpperLeft, 1, 'n'}}),
         {"1 ", "T ", "1 ", "", "", "", "1000000000000", "1000000000000", k0, k0, false}},
        {"a gap away from the midline stays in its quadrant",
         makeCode('N', {{UpperRight, 3, 'q'}}),
         {"3ST ", "", "", "", "", "", "0010000000000", k0, k0, k0, false}},
        {"elective pulpectomy abutments around a lower gap",
         makeCode('C',
                  {{LowerRight, 2, 'a'}, {LowerRight, 1, 'r'}, {LowerLeft, 1, 'e'}, {LowerLeft, 2, 'a'}}),
         {"", "", "", "2 1W", "T ", "1W2 ", k0, k0, "1100000000000", "1100000000000", true}},
        {"the panel's worked sequence",
         QStringLiteral("N00a0000n00a000000000b00000000000"),
         {"6 1 ", "T ", "3 ", "D ", "", "", "1000010000000", "0010000000000", "0000000000010", k0, false}},
        {"reserved letters and a deciduous letter at 8 give nothing",
         makeCode('N',
                  {{UpperRight, 8, 'b'}, {UpperRight, 7, 'f'}, {UpperRight, 6, 's'}, {UpperRight, 5, 'X'}}),
         {"", "", "", "", "", "", "0000010000000", k0, k0, k0, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QuadSplitter::split(c.code), c.want) << c.name;
        PartControl pc;
        pc.setPPoStrParts33(c.code);
        pc.PSuSeparation();
        EXPECT_EQ(pc.notation(), c.want) << c.name;
    }
}

TEST(QuadSplitter, ShortValuesArePaddedBeforeSplitting) {
    PartControl pc;
    EXPECT_EQ(pc.PPoStrParts33(), kEmpty);
    EXPECT_EQ(pc.PPoStrURB(), k0);
    const QString twenty = QStringLiteral("N") + QString(19, QChar('a'));
    pc.setPPoStrParts33(twenty);
    EXPECT_EQ(pc.PPoStrParts33(), twenty + QString(13, QChar('0')));
    pc.PSuSeparation();
    EXPECT_EQ(pc.PPoStrDR(), QStringLiteral("8 7 6 "));
    EXPECT_EQ(pc.PPoStrDRB(), QStringLiteral("0000011100000"));
    EXPECT_EQ(pc.PPoStrDL(), QString());
    EXPECT_FALSE(pc.PPoBolCompress());
    // The splitter itself takes a short code without failing.
    EXPECT_EQ(QuadSplitter::split(QStringLiteral("Caa")).ur, QStringLiteral("8 7 "));
    EXPECT_EQ(QuadSplitter::split(QString()).ur, QString());
}

namespace {

// The teeth a compressed side stands for: "a - b " becomes every token from a to b.
QString expandSide(const QString& text, int step) {
    QString out;
    for (qsizetype i = 0; i < text.size(); i += 2) {
        const QString tok = text.mid(i, 2);
        if (tok == QStringLiteral("- ") && i >= 2 && i + 2 < text.size()) {
            for (QChar c = QChar(text.at(i - 2).unicode() + step); c != text.at(i + 2);
                 c = QChar(c.unicode() + step))
                out += QString(c) + QChar(' ');
            continue;
        }
        out += tok;
    }
    return out;
}

// A jaw's texts with its runs written out; a "- " centre joins the right side down to tooth 1 (or A)
// and the left side up from it.
QString expandJaw(const QString& r, const QString& c, const QString& l) {
    const QString right = expandSide(r, -1);
    const QString left = expandSide(l, +1);
    if (c != QStringLiteral("- "))
        return right + c + left;
    const QChar first = right.at(right.size() - 2);
    const QChar last = left.at(0);
    const QChar low = first.isDigit() ? QChar('1') : QChar('A');
    QString between;
    for (QChar x = QChar(first.unicode() - 1); x >= low; x = QChar(x.unicode() - 1))
        between += QString(x) + QChar(' ');
    for (QChar x = low; x < last; x = QChar(x.unicode() + 1))
        between += QString(x) + QChar(' ');
    return right + between + left;
}

} // namespace

// Every well-formed code splits into texts of whole tokens of the notation and masks that agree with
// the letters, in both notations.
TEST(QuadSplitter, AnyWellFormedCodeSplitsConsistently) {
    const QString letters = QStringLiteral("0abcdefghijklmnopqrs");
    QRandomGenerator rng(20240601);
    for (int n = 0; n < 3000; ++n) {
        QString code(QChar(rng.bounded(2) ? 'C' : 'N'));
        // Mostly plain teeth, so that long runs and runs over the midline are common.
        const QString pool = n % 2 ? letters : QStringLiteral("aaaabbgh0n");
        for (int i = 0; i < 32; ++i)
            code += pool.at(rng.bounded(static_cast<int>(pool.size())));
        const QuadNotation q = QuadSplitter::split(code);
        EXPECT_EQ(q.compress, code.at(0) == QChar('C'));
        for (const QString* t : {&q.ur, &q.uc, &q.ul, &q.dr, &q.dc, &q.dl}) {
            ASSERT_EQ(t->size() % 2, 0) << code.toStdString();
            for (qsizetype i = 0; i < t->size(); i += 2) {
                const QChar a = t->at(i), b = t->at(i + 1);
                const bool ok = (a >= '1' && a <= '8' && QStringLiteral(" MSW").contains(b)) ||
                                (a >= 'A' && a <= 'E' && b == ' ') || (a == 'T' && b == ' ') ||
                                (a == '-' && b == ' ');
                ASSERT_TRUE(ok) << code.toStdString() << " token " << QString(a).toStdString()
                                << QString(b).toStdString();
            }
        }
        EXPECT_TRUE(q.uc.isEmpty() || q.uc == "T " || q.uc == "- ");
        if (!q.compress) {
            EXPECT_FALSE(q.ur.contains(QChar('-')) || q.uc == "- ");
        }
        const QString* masks[] = {&q.urb, &q.ulb, &q.drb, &q.dlb};
        for (int quad = 0; quad < 4; ++quad) {
            for (int t = 1; t <= 8; ++t) {
                const QChar s = stateAt(code, quad, t);
                EXPECT_EQ(masks[quad]->at(t - 1) == QChar('1'), isOccupiedPermanent(s)) << code.toStdString();
                if (t <= 5) {
                    EXPECT_EQ(masks[quad]->at(8 + t - 1) == QChar('1'), isPresentDeciduous(s, t));
                }
            }
        }
        // Compression loses nothing: expanding its runs gives the normal notation's tokens back.
        QString normal = code;
        normal[0] = QChar('N');
        const QuadNotation plain = QuadSplitter::split(normal);
        EXPECT_EQ(expandJaw(q.ur, q.uc, q.ul), plain.ur + plain.uc + plain.ul) << code.toStdString();
        EXPECT_EQ(expandJaw(q.dr, q.dc, q.dl), plain.dr + plain.dc + plain.dl) << code.toStdString();
    }
}
