// The stock comments of the comment picker: the SQL texts of the two master tables, their readers and
// the lookup of a kind by its shown name.
#pragma once
#include <QString>
#include <vector>

namespace ado {
class Recordset;
}

namespace commentmaster {

// One stock comment, as m_comment_m holds it.
struct CommentRow {
    QString comment_kind_code;
    QString comment_code;
    QString comment;
    bool operator==(const CommentRow&) const = default;
};

// One comment kind with its comments. Until the comments have been read the list holds one empty row.
struct CommentKind {
    QString code;
    QString name;
    std::vector<CommentRow> comments{CommentRow{}};
    // Read once its first row names a kind; a kind without comments stays unread and is asked again.
    bool commentsRead() const { return !comments.empty() && !comments.front().comment_kind_code.isEmpty(); }
};

// The hygienists' masters (user class "2").
QString commentKindSql();
// The comments of one kind; quotes in the code are doubled.
QString commentSql(const QString& kindCode);

// Every row of the kinds query (code, name by position), each with its comments unread. A Null name
// reads as "".
std::vector<CommentKind> readCommentKinds(ado::Recordset& rs);
// Every row of a comments query (the three columns by position); Null reads as "".
std::vector<CommentRow> readComments(ado::Recordset& rs);

// The first kind, from the start, whose name is exactly name; 0 when none is.
size_t kindIndexByName(const std::vector<CommentKind>& kinds, const QString& name);

} // namespace commentmaster
