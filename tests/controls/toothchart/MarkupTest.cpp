// The one reader of marked text: runs, kinds, literal brackets and the empty run.
#include <gtest/gtest.h>

#include "controls/toothchart/DTextMarkup.h"

using namespace DTextMarkup;

namespace {

struct Want {
    const char* text;
    Kind kind;
    const char* inner;
};

void expectElements(const QString& text, std::initializer_list<Want> want) {
    const QVector<Element> got = tokenize(text);
    ASSERT_EQ(got.size(), static_cast<qsizetype>(want.size())) << text.toStdString();
    qsizetype at = 0, i = 0;
    for (const Want& w : want) {
        const Element& e = got.at(i++);
        EXPECT_EQ(e.text, QString::fromUtf8(w.text)) << text.toStdString();
        EXPECT_EQ(e.kind, w.kind) << text.toStdString() << " " << w.text;
        EXPECT_EQ(e.inner, QString::fromUtf8(w.inner)) << text.toStdString();
        EXPECT_EQ(e.start, at);
        EXPECT_EQ(e.length, e.text.size());
        at += e.length;
    }
}

} // namespace

TEST(DTextMarkup, RunsAndCharacters) {
    expectElements("/{Bab/}", {{"/{Bab/}", Kind::Half, "ab"}});
    expectElements("/{bab/}", {{"/{bab/}", Kind::Half, "ab"}});
    expectElements("/{y", {{"/", Kind::Char, ""}, {"{", Kind::Char, ""}, {"y", Kind::Char, ""}});
    expectElements("/{B/{D/}x/}", {{"/{B/{D/}", Kind::Half, "/{D"},
                                   {"x", Kind::Char, ""},
                                   {"/", Kind::Char, ""},
                                   {"}", Kind::Char, ""}});
    expectElements("/{Xabc/}", {{"/{Xabc/}", Kind::Other, "abc"}});
    expectElements("/{B/}", {{"/{B/}", Kind::Half, ""}});
    expectElements("/{c①/}", {{"/{c①/}", Kind::Circle, "①"}});
    expectElements("a\rb", {{"a", Kind::Char, ""}, {"\r", Kind::LineBreak, ""}, {"b", Kind::Char, ""}});
    expectElements("/{Ba\rb/}", {{"/{Ba\rb/}", Kind::Half, "a\rb"}});
    expectElements("", {});
}

TEST(DTextMarkup, EmptyRunIsOneLiteralElement) {
    // No kind letter: shown as its four characters, one unit, and no reader fails on it.
    expectElements("/{/}", {{"/{/}", Kind::Other, ""}});
    expectElements(
        "a/{/}/}",
        {{"a", Kind::Char, ""}, {"/{/}", Kind::Other, ""}, {"/", Kind::Char, ""}, {"}", Kind::Char, ""}});
    EXPECT_EQ(runLengthAt(QStringLiteral("/{/}"), 0), 4);
    EXPECT_EQ(runLengthAt(QStringLiteral("/{"), 0), 0);
    EXPECT_EQ(runLengthAt(QStringLiteral("x/{a/}"), 1), 5);
}

TEST(DTextMarkup, GlyphRunsAndLineFeeds) {
    const QString code = QStringLiteral("N") + QString(32, QChar('a'));
    const GlyphRun g = glyphOf(code + QStringLiteral("上顎"));
    EXPECT_EQ(g.code, code);
    EXPECT_EQ(g.partText, QStringLiteral("上顎"));
    const GlyphRun shortRun = glyphOf(tokenize(QStringLiteral("/{Dabc/}")).at(0).inner);
    EXPECT_EQ(shortRun.code, QStringLiteral("abc"));
    EXPECT_EQ(shortRun.partText, QString());
    EXPECT_EQ(removeLineFeeds(QStringLiteral("a\r\nb\nc")), QStringLiteral("a\rbc"));
}
