#include "controls/timeentry/MyImTime.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

#include "controls/timeentry/ClockText.h"
#include "platform/gdi/Gdi.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"

namespace {

using gdi::kTwipsPerPixel;
constexpr gdi::OleColor kListBackColor = 0xFFFFFF;

QColor windowsColor(int color) {
    return gdi::oleColor(static_cast<gdi::OleColor>(color));
}

int windowsShift(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

int windowsButtons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setGeometry(geometry);
    return list;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setGeometry(geometry);
    return label;
}

} // namespace

MyImTime::MyImTime(QWidget* parent) : QWidget(parent) {
    // Twips of the design (615 x 300 lists, 315 x 255 captions) at 15 twips per pixel.
    lblH_ = makeCaption(this, "Lbl_H", QStringLiteral("時"), QRect(40, 3, 21, 17));
    lblM_ = makeCaption(this, "Lbl_M", QStringLiteral("分"), QRect(96, 3, 21, 17));
    cboH_ = makeList(this, "CboH", QRect(0, 0, 41, 20));
    cboM_ = makeList(this, "CboM", QRect(56, 0, 41, 20));
    setFixedSize(1800 / kTwipsPerPixel, 390 / kTwipsPerPixel);
    setFocusProxy(cboH_); // focusing the control lands on the hour list
    setMouseTracking(true);

    setFont(gdi::makeFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    QComboBox* lists[2] = {cboH_, cboM_};
    for (int k = 0; k < 2; ++k) {
        QComboBox* list = lists[k];
        connect(list, &QComboBox::currentIndexChanged, this, [this, k](int index) {
            // The list reports setting "no selection" again as a change: only a new index counts.
            if (filling_ || index == shownIndex_[k])
                return;
            shownIndex_[k] = index;
            if (!selecting_)
                pickChanged_[k] = true; // the user's pick: its activation follows
            listClicked();
        });
        connect(list, &QComboBox::activated, this, [this, k] {
            // Picking the item a list already shows changes no index but is a click all the same.
            if (pickChanged_[k])
                pickChanged_[k] = false;
            else
                listClicked();
        });
    }

    applyColors();
    fillHourList();
    fillMinuteList(); // a control on a form is always loaded with its step of 5
}

void MyImTime::fillHourList() {
    filling_ = true;
    cboH_->clear();
    for (int h = 0; h <= 23; ++h)
        cboH_->addItem(QString::number(h));
    cboH_->setCurrentIndex(-1);
    shownIndex_[0] = -1;
    filling_ = false;
}

void MyImTime::fillMinuteList() {
    if (listUnit_ == 0)
        return;
    filling_ = true;
    cboM_->clear();
    // A negative step gives no items, as a counting loop with a negative step never runs upwards.
    if (listUnit_ > 0) {
        for (int m = 0; m <= 59; m += listUnit_)
            cboM_->addItem(QString::number(m));
    }
    cboM_->setCurrentIndex(-1);
    shownIndex_[1] = -1;
    filling_ = false;
}

void MyImTime::setListUnit(int unit) {
    listUnit_ = unit;
    fillMinuteList();
}

void MyImTime::setText(const QString& value) {
    const bool blank = text::vbTrim(value).isEmpty();
    if (!blank && !quorvin::vbIsDate(value)) {
        msgbox::msgBoxA(msgbox::activeWindow(), QStringLiteral("ﾌﾟﾛﾊﾟﾃｨの値が不正です"),
                        QStringLiteral("Quorvin"), msgbox::MB_OK);
        return;
    }
    text_ = blank ? QString() : quorvin::vbFormatClock(value);
    selectNowTime();
    // What the lists show is the value, also when no selection changed and so no click rebuilt it.
    text_ = madeText();
}

// Selects the items of the stored text; an hour or minute not in its list leaves that list unselected.
void MyImTime::selectNowTime() {
    selecting_ = true;
    if (text::vbTrim(text_).isEmpty()) {
        cboH_->setCurrentIndex(-1);
        cboM_->setCurrentIndex(-1);
    } else {
        const QTime t = quorvin::vbCDate(text_)->time();
        cboH_->setCurrentIndex(cboH_->findText(QString::number(t.hour()), Qt::MatchExactly));
        cboM_->setCurrentIndex(cboM_->findText(QString::number(t.minute()), Qt::MatchExactly));
    }
    selecting_ = false;
}

QString MyImTime::madeText() const {
    if (cboH_->currentIndex() < 0 || cboM_->currentIndex() < 0)
        return QString();
    return quorvin::vbFormatClock(cboH_->currentText() + u':' + cboM_->currentText());
}

void MyImTime::listClicked() {
    text_ = madeText();
    emit Click(0);
}

void MyImTime::setBackColor(int color) {
    backColor_ = color;
    applyColors();
}

void MyImTime::setForeColor(int color) {
    foreColor_ = color;
    applyColors();
}

void MyImTime::setBackStyle(int style) {
    backStyle_ = style;
    update();
}

void MyImTime::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void MyImTime::refresh() {
    repaint();
}

void MyImTime::applyColors() {
    const QColor back = windowsColor(backColor_);
    const QColor fore = windowsColor(foreColor_);
    // Text colours go to the enabled states only, so that a disabled control greys out as usual.
    auto setText = [&](QPalette& p, QPalette::ColorRole role) {
        p.setColor(QPalette::Active, role, fore);
        p.setColor(QPalette::Inactive, role, fore);
    };
    for (QWidget* w :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(lblH_), static_cast<QWidget*>(lblM_)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, back);
        setText(p, QPalette::WindowText);
        w->setPalette(p);
    }
    const QColor listBack = gdi::oleColor(kListBackColor);
    for (QComboBox* list : {cboH_, cboM_}) {
        QPalette p = list->palette();
        p.setColor(QPalette::Base, listBack);
        p.setColor(QPalette::Button, listBack);
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            setText(p, role);
        list->setPalette(p);
    }
    update();
}

void MyImTime::paintEvent(QPaintEvent*) {
    gdi::DeviceSurface surface(this);
    paintFace(surface, size(), backColor_, backStyle_, borderStyle_);
}

void MyImTime::paintFace(gdi::Surface& s, const QSize& size, int backColor, int backStyle, int borderStyle) {
    const int w = size.width();
    const int h = size.height();
    if (backStyle != 0)
        s.fillRect(gdi::GdiRect{0, 0, w, h}, windowsColor(backColor));
    if (borderStyle == 0)
        return;
    // The sunken edge of a bordered window: shadow and dark shadow above and left, highlight and
    // light below and right. A one-pixel line leaves its end pixel out.
    const QColor shadow = gdi::systemColor(16);
    const QColor highlight = gdi::systemColor(20);
    const QColor darkShadow = gdi::systemColor(21);
    const QColor light = gdi::systemColor(22);
    s.line(0, 0, w - 1, 0, shadow, 1);
    s.line(0, 0, 0, h - 1, shadow, 1);
    s.line(0, h - 1, w, h - 1, highlight, 1);
    s.line(w - 1, 0, w - 1, h - 1, highlight, 1);
    s.line(1, 1, w - 2, 1, darkShadow, 1);
    s.line(1, 1, 1, h - 2, darkShadow, 1);
    s.line(1, h - 2, w - 1, h - 2, light, 1);
    s.line(w - 2, 1, w - 2, h - 2, light, 1);
}

bool MyImTime::raiseMouse(QMouseEvent* event, void (MyImTime::*signal)(int, int, float, float), int buttons) {
    event->accept();
    const QPointF pos = event->position();
    if (!captured_ && childAt(pos.toPoint()) != nullptr)
        return false; // a list or caption: not the control's own surface
    emit(this->*signal)(buttons, windowsShift(event->modifiers()),
                        static_cast<float>(pos.x() * kTwipsPerPixel),
                        static_cast<float>(pos.y() * kTwipsPerPixel));
    return true;
}

void MyImTime::mousePressEvent(QMouseEvent* event) {
    if (raiseMouse(event, &MyImTime::MouseDown, windowsButtons(event->button())))
        captured_ = true; // the moves and the release of this press belong to the control
}

void MyImTime::mouseMoveEvent(QMouseEvent* event) {
    raiseMouse(event, &MyImTime::MouseMove, windowsButtons(event->buttons()));
}

void MyImTime::mouseReleaseEvent(QMouseEvent* event) {
    raiseMouse(event, &MyImTime::MouseUp, windowsButtons(event->button()));
    if (event->buttons() == Qt::NoButton)
        captured_ = false;
}
