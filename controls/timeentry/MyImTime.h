// The hour-and-minute entry control: an hour list and a minute list in steps, whose value is "hh:mm".
#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
namespace gdi {
class Surface;
}

// Hours "0".."23" in CboH, minutes "0", step, 2 x step ... up to 59 in CboM, the captions "時" and "分".
// Text is "hh:mm" when both lists show an item and "" otherwise: a time whose minute lies between the
// steps (10:07 with step 5) selects its hour only and reads back "". That is what the lists show; no
// stored time is ever rewritten from it.
//
// Click(0) is raised for every pick the user makes in either list (the same item again included) and
// for every change of a list's selection that setText makes; rebuilding the minute list raises none.
// The mouse events are raised only from the control's own surface, never from the lists or captions,
// with the button (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and the
// position in twips. Colours are Windows colours: 0x00BBGGRR, or 0x800000nn for system colour nn.
// The control always keeps its size of 1800 x 390 twips (120 x 26 pixels).
class MyImTime : public QWidget {
    Q_OBJECT
public:
    explicit MyImTime(QWidget* parent = nullptr);

    // The stored "hh:mm" or "". Setting a text that is neither blank nor a date or time shows
    // "ﾌﾟﾛﾊﾟﾃｨの値が不正です" (OK only) and changes nothing.
    QString text() const { return text_; }
    void setText(const QString& value);

    // The minute step. 0 keeps the minute list as it is; a negative step empties it. The minute
    // selection is not restored and the text is kept.
    int listUnit() const { return listUnit_; }
    void setListUnit(int unit);

    // The control's and the captions' back colour (the lists stay white).
    int backColor() const { return backColor_; }
    void setBackColor(int color);
    // The fore colour of the control, the captions and the lists.
    int foreColor() const { return foreColor_; }
    void setForeColor(int color);
    // 0 transparent, 1 opaque.
    int backStyle() const { return backStyle_; }
    void setBackStyle(int style);
    // 0 none, 1 a sunken single border.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    // Font and Enabled are QWidget's own: a font set here reaches the captions and both lists.

    // Repaints the control now.
    void refresh();

    // The control's own face (back colour and border; the lists and captions draw themselves) on any
    // surface.
    static void paintFace(gdi::Surface& surface, const QSize& size, int backColor, int backStyle,
                          int borderStyle);

signals:
    void Click(int CboIndex);
    void MouseDown(int Button, int Shift, float x, float y);
    void MouseMove(int Button, int Shift, float x, float y);
    void MouseUp(int Button, int Shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillHourList();
    void fillMinuteList();
    void selectNowTime();
    QString madeText() const;
    void listClicked();
    void applyColors();
    bool raiseMouse(QMouseEvent* event, void (MyImTime::*signal)(int, int, float, float), int buttons);

    QComboBox* cboH_;
    QComboBox* cboM_;
    QLabel* lblH_;
    QLabel* lblM_;
    QString text_;
    int listUnit_ = 5;
    int backColor_ = static_cast<int>(0x8000000F);
    int foreColor_ = static_cast<int>(0x80000012);
    int backStyle_ = 1;
    int borderStyle_ = 0;
    bool filling_ = false;                 // list contents are being rebuilt: no Click
    bool selecting_ = false;               // setText is selecting items
    bool captured_ = false;                // a press on the control's own surface is held
    bool pickChanged_[2] = {false, false}; // a user pick changed the index; its activation is the same pick
    int shownIndex_[2] = {-1, -1};         // the index each list showed at its last click
};
