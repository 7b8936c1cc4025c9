#include <gtest/gtest.h>

#include "platform/error/VbError.h"

TEST(VbErrorText, JapaneseRuntimeAndDataObjectTexts) {
    EXPECT_EQ(vbErrorText(6), QStringLiteral("オーバーフローしました。"));
    EXPECT_EQ(vbErrorText(9), QStringLiteral("インデックスが有効範囲にありません。"));
    EXPECT_EQ(vbErrorText(13), QStringLiteral("型が一致しません。"));
    EXPECT_EQ(vbErrorText(53), QStringLiteral("ファイルが見つかりません。"));
    EXPECT_EQ(vbErrorText(57), QStringLiteral("デバイス I/O エラーです。"));
    EXPECT_EQ(vbErrorText(62), QStringLiteral("ファイルにこれ以上データがありません。"));
    EXPECT_EQ(vbErrorText(75), QStringLiteral("パス/ファイル アクセス エラーです。"));
    EXPECT_EQ(vbErrorText(94), QStringLiteral("Null の使い方が不正です。"));
    EXPECT_EQ(vbErrorText(380), QStringLiteral("プロパティの値が不正です。"));
    EXPECT_EQ(vbErrorText(481), QStringLiteral("ピクチャが不正です。"));
    EXPECT_EQ(vbErrorText(3021),
              QStringLiteral("BOF と EOF のいずれかが True になっているか、または現在のレコードが"
                             "削除されています。要求された操作には、現在のレコードが必要です。"));
    EXPECT_EQ(vbErrorText(3265),
              QStringLiteral("要求された名前、または序数に対応する項目がコレクションで見つかりません。"));
    EXPECT_EQ(vbErrorText(3704), QStringLiteral("オブジェクトが閉じている場合は、操作は許可されません。"));
    EXPECT_EQ(vbErrorText(3705), QStringLiteral("オブジェクトが開いている場合は、操作は許可されません。"));
    // A number without a text of its own still has a description, never an empty one.
    EXPECT_EQ(vbErrorText(31999), QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。"));
    EXPECT_EQ(vbErrorText(0), vbErrorText(31999));
}

TEST(VbErrorText, EveryTextIsPlainJapaneseOnOneLine) {
    for (long n : {5L,  6L,  7L,   9L,   11L,   13L,   52L,   53L,   57L,   62L,   75L,  76L,
                   91L, 94L, 380L, 481L, 3021L, 3129L, 3142L, 3219L, 3265L, 3704L, 3705L}) {
        const QString t = vbErrorText(n);
        SCOPED_TRACE(n);
        EXPECT_TRUE(t.endsWith(QStringLiteral("。")));
        EXPECT_FALSE(t.contains(u'\r') || t.contains(u'\n'));
        EXPECT_NE(t, vbErrorText(31999)) << "number without its own text";
    }
}

TEST(VbErrorOf, DescriptionIsTheTableTextWithTheDetailInParentheses) {
    const VbError plain = VbError::of(13, QStringLiteral("src"));
    EXPECT_EQ(plain.number(), 13);
    EXPECT_EQ(plain.source(), QStringLiteral("src"));
    EXPECT_EQ(plain.description(), QStringLiteral("型が一致しません。"));
    EXPECT_EQ(errorDescription(plain), plain.description());

    const VbError withPath =
        VbError::of(75, QStringLiteral("io"), QStringLiteral("/x/日本.txt: Permission denied"));
    EXPECT_EQ(withPath.description(),
              QStringLiteral("パス/ファイル アクセス エラーです。 (/x/日本.txt: Permission denied)"));
    // what() carries the same text for code that only sees a std::exception.
    EXPECT_EQ(QString::fromStdString(withPath.what()), withPath.description());

    try {
        throw VbError::of(9, QStringLiteral("arr"));
    } catch (const std::exception& e) {
        EXPECT_EQ(errorDescription(e), QStringLiteral("インデックスが有効範囲にありません。"));
    }
}
