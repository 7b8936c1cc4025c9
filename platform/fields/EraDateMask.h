// The editing state of the era date field: era, year, month and day slots laid out as "平成 15年04月01日".
#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <array>

namespace fields {

// Positions in the text: 0-1 the era (two characters), 3-4 the era year, 6-7 the month, 9-10 the day;
// 2, 5, 8 and 11 are the literals " ", "年", "月" and "日". A slot that holds nothing shows "＿＿" (era)
// or "_" (digit), so the empty field reads "＿＿ __年__月__日".
class EraDateMask {
public:
    static constexpr int kLength = 12;

    // Every slot emptied.
    void clear();
    // The slots of a date; a date outside the era table (or with an era year past 99) empties them.
    void setDate(const QDate& date);
    // The date the slots spell; invalid while a slot is empty or the date does not exist in that era.
    QDate date() const;
    bool isEmpty() const;
    int eraIndex() const { return era_; }

    // "平成 15年04月01日", with "＿＿" and "_" for empty slots.
    QString text() const;

    // True for a position that holds an editable character (era or digit).
    static bool isEditable(int pos);
    // The first editable position at or after pos (era positions count as their first); kLength - 1
    // when none is left.
    static int nextEditable(int pos);
    // The last editable position before pos; 0 when none.
    static int previousEditable(int pos);

    // One typed character at caret position pos: an era letter (either case) on the era part sets the
    // era; a digit fills the digit slot at or after pos (on the era part: the first year digit). Returns
    // the new caret position, or -1 when the character is not taken (the slots are unchanged).
    int type(int pos, QChar c);
    // Empties the slot at pos (the whole era on the era part); returns the caret position.
    int eraseAt(int pos);
    // Empties the slot before pos and returns its position (Backspace).
    int eraseBefore(int pos);
    // Empties every slot in [from, to).
    void eraseRange(int from, int to);
    // Up (step 1) or down (step -1) on the part at pos: the era moves to the first day of the next or
    // previous era, the year, month or day by one, the other parts following as the calendar does.
    // An incomplete date becomes `today` first. False when nothing changed (the step leaves the table).
    bool spin(int pos, int step, const QDate& today);

private:
    // Digit slot index 0..5 (year, month, day) of a position; -1 for the era and the literals.
    static int digitIndex(int pos);
    static int digitPosition(int index);

    int era_ = -1;                  // -1: empty
    std::array<QChar, 6> digits_{}; // '\0': empty
};

} // namespace fields
