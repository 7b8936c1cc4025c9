// The era date field: a date or no value, shown and typed as "平成 15年04月01日" through the era table.
#pragma once
#include <QDate>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "platform/fields/EraDateMask.h"

class EraDateLineEdit;

// Holds a date (Value) or nothing (ValueIsNull). Typing: an era letter (M, T, S, H, R in either case) on
// the era part, digits for the era year, month and day; Up and Down step the part at the caret; Delete
// and Backspace empty a slot. The value is a date only while every slot is filled and the slots spell a
// real date of that era; otherwise it is Null. An empty field shows nothing until it takes the focus,
// then the entry mask "＿＿ __年__月__日". The input method stays off.
class ImDate : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QVariant Value READ Value WRITE setValue)
    Q_PROPERTY(bool ValueIsNull READ ValueIsNull)
    Q_PROPERTY(QString Text READ Text WRITE setText)
public:
    explicit ImDate(QWidget* parent = nullptr);
    ~ImDate() override;

    // The date (a QDate), or a null QVariant when the field holds none.
    QVariant Value() const;
    // A QDate, QDateTime or date text (era texts too) sets the date; anything else, and a date outside
    // the era table, empties the field. Raises no event.
    void setValue(const QVariant& value);
    bool ValueIsNull() const;
    QDate date() const { return mask_.date(); }

    // The text on screen: "" for an empty field without the focus, else the slots as laid out above.
    QString Text() const;
    // A date text sets the date; any other text (the empty mask, blanks) empties the field.
    void setText(const QString& text);

    bool TabStop() const { return tabStop_; }
    void setTabStop(bool on);
    // The caret position in the text (0 and 1 are the era part).
    int SelStart() const;
    void setSelStart(int pos);

    QSize sizeHint() const override;

signals:
    void DblClick();
    // The user changed the text.
    void Change();
    // Every key, before the field acts on it: the Windows key code and shift state, then (for a key
    // that types a character) the character code. SelStart still tells where the caret was.
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);

private:
    friend class EraDateLineEdit;
    void keyPressed(class QKeyEvent* e);
    // Shows the slots (or nothing) and puts the caret at pos.
    void refresh(int pos);
    // After a user edit: shows the slots, caret at pos, raises Change when the text moved.
    void edited(int pos);

    EraDateLineEdit* edit_;
    fields::EraDateMask mask_;
    bool tabStop_ = true;
};
