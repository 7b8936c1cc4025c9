#include "app/entry/CommentMaster.h"

#include "app/shell/MdlCommInterface.h"
#include "platform/ado/Ado.h"

namespace commentmaster {
namespace {

const QString kUserClass = QStringLiteral("2");

QString textAt(const ado::Recordset& rs, int index) {
    return MdlCommInterface::PFuStrNullToStr(rs.field(index));
}

} // namespace

QString commentKindSql() {
    return QStringLiteral(" SELECT comment_kind_code, commnet_kind_name") +
           QStringLiteral(" FROM m_comment_kind_m") + QStringLiteral(" WHERE user_class = '") + kUserClass +
           QStringLiteral("'") + QStringLiteral(" ORDER BY comment_kind_code");
}

QString commentSql(const QString& kindCode) {
    return QStringLiteral("SELECT comment_kind_code, comment_code, comment ") +
           QStringLiteral("FROM m_comment_m ") + QStringLiteral("WHERE user_class = '") + kUserClass +
           QStringLiteral("' ") + QStringLiteral("AND comment_kind_code = '") + ado::sqlQuote(kindCode) +
           QStringLiteral("' ") + QStringLiteral("ORDER BY comment_code");
}

std::vector<CommentKind> readCommentKinds(ado::Recordset& rs) {
    std::vector<CommentKind> kinds;
    for (; !rs.eof(); rs.moveNext()) {
        CommentKind k;
        k.code = textAt(rs, 0);
        k.name = textAt(rs, 1);
        kinds.push_back(std::move(k));
    }
    return kinds;
}

std::vector<CommentRow> readComments(ado::Recordset& rs) {
    std::vector<CommentRow> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back({textAt(rs, 0), textAt(rs, 1), textAt(rs, 2)});
    return rows;
}

size_t kindIndexByName(const std::vector<CommentKind>& kinds, const QString& name) {
    for (size_t i = 0; i < kinds.size(); ++i)
        if (kinds[i].name == name)
            return i;
    return 0;
}

} // namespace commentmaster
