// The login's logic outside the widget: the staff list read from rows and the login check.
#include <gtest/gtest.h>

#include "app/shell/FrmMKarte01_001.h"
#include "platform/ado/Ado.h"

namespace {

StaffLoginInfo staff(const char* code, const char* name, const char* passwd) {
    return {QStringLiteral("2"), QString::fromUtf8(code), QString::fromUtf8(name), QString::fromUtf8(passwd)};
}

} // namespace

TEST(LoginLogic, StaffListTakesEveryRowInOrderWithNullsAsEmptyTexts) {
    auto rs = ado::Recordset::fromRows(
        {"staff_code", "staff_name", "passwd"},
        {{QStringLiteral("0001"), QStringLiteral("青木 一子"), QStringLiteral("pass1")},
         {QStringLiteral("0003"), QVariant(), QStringLiteral("abc")},
         {QStringLiteral("10"), QStringLiteral("江口 十子"), QVariant()}});
    std::vector<StaffLoginInfo> list{staff("x", "left over", "y")};
    FrmMKarte01_001::readStaffList(*rs, list);
    const std::vector<StaffLoginInfo> expected{staff("0001", "青木 一子", "pass1"), staff("0003", "", "abc"),
                                               staff("10", "江口 十子", "")};
    EXPECT_EQ(list, expected);
}

TEST(LoginLogic, RefusalFollowsTheOrderOfTheChecks) {
    const std::vector<StaffLoginInfo> list{staff("0001", "青木", "pass1"), staff("0002", "石川", ""),
                                           staff("0003", "上野", "O'Hara")};
    struct Case {
        int index;
        const char* typed;
        int refusal;
    } const cases[] = {
        {-1, "pass1", 202}, {-1, "", 202},      {0, "", 203},       {1, "", 203},    {1, "x", 204},
        {0, "Pass1", 204},  {0, "pass1 ", 204}, {0, " pass1", 204}, {0, "pass1", 0}, {2, "O'Hara", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrmMKarte01_001::loginRefusal(c.index, QString::fromUtf8(c.typed), list), c.refusal)
            << c.index << " '" << c.typed << "'";
    EXPECT_THROW(FrmMKarte01_001::loginRefusal(3, QStringLiteral("x"), list), VbError);
}
