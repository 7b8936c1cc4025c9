// The run-time error object of the platform layers: a number, a source and a description.
#pragma once
#include <QString>
#include <stdexcept>

// The description the old runtime and its data objects gave a run-time error number, worded as
// a Japanese Windows shows it; numbers without a text of their own get the runtime's text for an
// application-defined error.
inline QString vbErrorText(long number) {
    switch (number) {
    case 5:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case 6:
        return QStringLiteral("オーバーフローしました。");
    case 7:
        return QStringLiteral("メモリが不足しています。");
    case 9:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case 11:
        return QStringLiteral("0 で除算しました。");
    case 13:
        return QStringLiteral("型が一致しません。");
    case 52:
        return QStringLiteral("ファイル名または番号が不正です。");
    case 53:
        return QStringLiteral("ファイルが見つかりません。");
    case 57:
        return QStringLiteral("デバイス I/O エラーです。");
    case 62:
        return QStringLiteral("ファイルにこれ以上データがありません。");
    case 75:
        return QStringLiteral("パス/ファイル アクセス エラーです。");
    case 76:
        return QStringLiteral("パスが見つかりません。");
    case 91:
        return QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。");
    case 94:
        return QStringLiteral("Null の使い方が不正です。");
    case 380:
        return QStringLiteral("プロパティの値が不正です。");
    case 438:
        return QStringLiteral("オブジェクトは、このプロパティまたはメソッドをサポートしていません。");
    case 481:
        return QStringLiteral("ピクチャが不正です。");
    case 3021:
        return QStringLiteral(
            "BOF と EOF のいずれかが True になっているか、または現在のレコードが削除されています。"
            "要求された操作には、現在のレコードが必要です。");
    case 3129:
        return QStringLiteral(
            "SQL ステートメントが正しくありません。'DELETE'、'INSERT'、'PROCEDURE'、'SELECT'、"
            "または 'UPDATE' を使用してください。");
    case 3142:
        return QStringLiteral("SQL ステートメントの後に文字が見つかりました。");
    case 3219:
        return QStringLiteral("操作が無効です。");
    case 3265:
        return QStringLiteral("要求された名前、または序数に対応する項目がコレクションで見つかりません。");
    case 3704:
        return QStringLiteral("オブジェクトが閉じている場合は、操作は許可されません。");
    case 3705:
        return QStringLiteral("オブジェクトが開いている場合は、操作は許可されません。");
    default:
        return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

class VbError : public std::runtime_error {
public:
    VbError(long number, QString source, QString description)
        : std::runtime_error(description.toStdString()), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}

    // The numbered run-time error with its standard description; a detail (the path, the system's
    // reason) follows in parentheses.
    static VbError of(long number, QString source, const QString& detail = {}) {
        QString description = vbErrorText(number);
        if (!detail.isEmpty())
            description += QStringLiteral(" (") + detail + u')';
        return VbError(number, std::move(source), std::move(description));
    }

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// Description of any caught exception, for log lines and added message texts.
inline QString errorDescription(const std::exception& e) {
    if (auto* v = dynamic_cast<const VbError*>(&e))
        return v->description();
    return QString::fromUtf8(e.what());
}
