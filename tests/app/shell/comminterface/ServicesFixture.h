// The common services of the shared-utility tests, with the messages those utilities show.
#pragma once
#include "support/AppServicesFixture.h"

class ServicesFixture : public AppServicesFixture {
protected:
    ServicesFixture()
        : AppServicesFixture({{QStringLiteral("812"), QStringLiteral("フォルダの作成に失敗しました。")},
                              {QStringLiteral("814"), QStringLiteral("年齢の計算に失敗しました。")},
                              {QStringLiteral("900"), QStringLiteral("予期しないエラーが発生しました。")}}) {}
};
