// Marked text: the one reader of runs "/{" kind inner "/}" shared by the editor, the cell picture and
// printing.
#pragma once
#include <QString>
#include <QVector>

namespace DTextMarkup {

inline const QString kPrefix = QStringLiteral("/{");
inline const QString kPostfix = QStringLiteral("/}");

enum class Kind {
    Char,      // one ordinary character
    LineBreak, // a carriage return
    Half,      // run of kind B or b: the inner text at half size
    Circle,    // run of kind C or c: a circled character
    Glyph,     // run of kind D or d: a tooth-part code and its part text
    Other,     // a run of any other kind letter (or none): shown literally, brackets included
};

// One element (cell) of a text: a character (a surrogate pair counts as one) or a whole run. start is
// 0-based.
struct Element {
    qsizetype start = 0;
    qsizetype length = 1;
    Kind kind = Kind::Char;
    QString text;  // the element's characters (a run with both brackets)
    QString inner; // a run's text after its kind letter, without the closing bracket
    bool isRun() const {
        return kind == Kind::Half || kind == Kind::Circle || kind == Kind::Glyph || kind == Kind::Other;
    }
};

// Length of the run starting at p: "/{" at p and the first "/}" at or after p + 2; 0 when none.
// "/{/}" is a 4-character run of no kind with an empty inner text.
qsizetype runLengthAt(const QString& text, qsizetype p);
// The element at p.
Element elementAt(const QString& text, qsizetype p);
// The elements of a whole text, in order.
QVector<Element> tokenize(const QString& text);

// A glyph run's inner text: the first 33 characters are the tooth-part code, the rest the part text.
struct GlyphRun {
    QString code;
    QString partText;
};
GlyphRun glyphOf(const QString& inner);

// Texts given to the editor keep carriage returns only: every line feed is removed.
QString removeLineFeeds(const QString& text);

} // namespace DTextMarkup
