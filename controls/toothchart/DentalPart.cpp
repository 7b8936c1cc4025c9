#include "controls/toothchart/DentalPart.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/toothchart/DrawGlyphor.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/PaintSurface.h"

using M = DentalPartModel;
using gdi::twipsToPx;

namespace {

// Tooth buttons are 480 twips square. In a jaw's groups (from panel x 1440) right teeth 8..1 stand at
// x 0..3360 and left teeth 1..8 at 4080..7440: a 240-twip gap at the midline.
constexpr int kTooth = 480;
constexpr int kLeftStart = 4080;
constexpr int kJawX = 1440;
constexpr int kJawWidth = 7935;
constexpr int kJawHeight = 2400;
constexpr int kJawTop[] = {0, 0, 3240}; // by jaw 1, 2
constexpr int kMilkX = 2880;            // each deciduous button under its permanent twin

QRect twRect(int l, int t, int w, int h) {
    return QRect(twipsToPx(l), twipsToPx(t), twipsToPx(w), twipsToPx(h));
}

// x of a tooth's column in its jaw's groups: right teeth 8..1, then left teeth 1..8.
int toothX(bool right, int tooth) {
    return right ? (8 - tooth) * kTooth : kLeftStart + (tooth - 1) * kTooth;
}

QWidget* makeGroup(QWidget* parent, const QString& name, const QRect& tw) {
    auto* g = new QWidget(parent);
    g->setObjectName(name);
    g->setGeometry(twRect(tw.x(), tw.y(), tw.width(), tw.height()));
    return g;
}

QPushButton* makeButton(QWidget* parent, const QString& array, int index, const QString& caption,
                        const QRect& tw) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(array + QChar('_') + QString::number(index));
    b->setGeometry(twRect(tw.x(), tw.y(), tw.width(), tw.height()));
    return b;
}

// A range preset: caption, index, and the tooth columns it spans (side and tooth at each end).
struct Preset {
    const char* caption;
    int index; // upper jaw; the lower jaw's is 10000 more
    bool rightFrom;
    int fromTooth;
    bool rightTo;
    int toTooth;
};

// Rows from the one farthest from the glyph: 18118 row, 18100 row, 18400 row.
const Preset kPresetRows[3][5] = {
    {{"８～", 18118, true, 8, true, 8},
     {"７～７", 17117, true, 7, false, 7},
     {"～８", 11881, false, 8, false, 8}},
    {{"８～", 18100, true, 8, true, 8},
     {"７～1", 17100, true, 7, true, 1},
     {"1～７", 10017, false, 1, false, 7},
     {"～８", 10018, false, 8, false, 8}},
    {{"８～", 18400, true, 8, true, 8},
     {"７～４", 17400, true, 7, true, 4},
     {"３～３", 13113, true, 3, false, 3},
     {"４～７", 10047, false, 4, false, 7},
     {"～８", 10048, false, 8, false, 8}},
};

// The circled digit on an olive square, as the elective-pulpectomy buttons show it: 27 pixels square
// (the button less 75 twips), the digit at pixel (2, 3) in ＭＳ ゴシック 15.75 points.
QImage circledDigitPicture(int digit) {
    gdi::ImageSurface s(QSize(27, 27), QColor(192, 192, 0));
    s.cls();
    s.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 15.75));
    s.setTextColor(Qt::black);
    s.textOut(2, 3, QString(QChar(0x2460 + digit - 1)));
    return s.picture();
}

const QString kVerticalClear = QStringLiteral("ク\nリ\nア");

} // namespace

DentalPart::DentalPart(QWidget* parent) : QWidget(parent) {
    setFixedSize(twipsToPx(13695), twipsToPx(6015));
    buildButtons();
    buildPartText();
    buildModes();
    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    lblMessage_->setGeometry(twRect(720, 5640, 9000, 375));
    picDisp_ = makeGroup(this, QStringLiteral("picDisp"), QRect(1080, 2520, 8655, 615));
    picDisp_->setAutoFillBackground(true);
    QPalette pal = picDisp_->palette();
    pal.setColor(QPalette::Window, gdi::oleColor(gdi::syscolor::kWindow));
    picDisp_->setPalette(pal);
    glyph_ = new DrawGlyphor(picDisp_);
    glyph_->setObjectName(QStringLiteral("DrawGlyphor1"));
    glyph_->setBackColor(gdi::syscolor::kWindow);
    glyph_->resize(picDisp_->width(), glyph_->height());
    sync();
}

void DentalPart::buildButtons() {
    // Lowest first: the preset groups lie under the permanent and deciduous rows of their jaw.
    for (int jaw = 1; jaw <= 2; ++jaw) {
        QWidget* pg = makeGroup(this, QStringLiteral("picGroupPG_%1").arg(jaw),
                                QRect(kJawX, kJawTop[jaw], kJawWidth, kJawHeight));
        groups_.insert(pg->objectName(), pg);
        for (int row = 0; row < 3; ++row) {
            // Upper jaw from the top; the lower jaw mirrored from the bottom.
            const int y = jaw == 1 ? row * kTooth : kJawHeight - (row + 1) * kTooth;
            for (const Preset& p : kPresetRows[row]) {
                if (!p.caption)
                    continue;
                const int x = std::min(toothX(p.rightFrom, p.fromTooth), toothX(p.rightTo, p.toTooth));
                const int right =
                    std::max(toothX(p.rightFrom, p.fromTooth), toothX(p.rightTo, p.toTooth)) + kTooth;
                const int index = p.index + (jaw - 1) * 10000;
                QPushButton* b = makeButton(pg, QStringLiteral("cmdPG"), index, QString::fromUtf8(p.caption),
                                            QRect(x, y, right - x, kTooth));
                connect(b, &QPushButton::clicked, this, [this, index] {
                    model_.pressPreset(index);
                    sync();
                });
            }
        }
        // The range buttons at the outer ends of the row nearest the glyph.
        const int toY = jaw == 1 ? kJawHeight - kTooth : 0;
        for (int index : {jaw * 100 + 90, jaw * 100 + 9}) {
            const int x = index % 10 == 9 ? toothX(false, 8) : toothX(true, 8);
            QPushButton* b = makeButton(pg, QStringLiteral("cmdTo"), index, QStringLiteral("～"),
                                        QRect(x, toY, kTooth, kTooth));
            connect(b, &QPushButton::clicked, this, [this] { pressRange(); });
        }
    }
    QWidget* pg0 = makeGroup(this, QStringLiteral("picGroupPG_0"), QRect(0, 0, 735, 5640));
    groups_.insert(pg0->objectName(), pg0);
    const struct {
        int index;
        const char* caption;
        int top;
    } bothJaws[] = {{88, "８～８", 0}, {77, "７～７", 2820}};
    for (const auto& p : bothJaws) {
        QPushButton* b = makeButton(pg0, QStringLiteral("cmdPG"), p.index, QString::fromUtf8(p.caption),
                                    QRect(0, p.top, 735, 2820));
        const int index = p.index;
        connect(b, &QPushButton::clicked, this, [this, index] {
            model_.pressPreset(index);
            sync();
        });
    }

    for (int jaw = 1; jaw <= 2; ++jaw) {
        // Gap, abutment and elective-pulpectomy rows, the abutment row nearest the glyph.
        const int bTop = jaw == 1 ? 0 : 4200;
        QWidget* b =
            makeGroup(this, QStringLiteral("picGroupB_%1").arg(jaw), QRect(kJawX, bTop, kJawWidth, 1440));
        groups_.insert(b->objectName(), b);
        const int facY = jaw == 1 ? 0 : 960;
        const int stdY = jaw == 1 ? 960 : 0;
        for (int t = 1; t <= 8; ++t) {
            for (bool right : {true, false}) {
                const int index = jaw * 100 + (right ? t * 10 : t);
                const int x = toothX(right, t);
                QPushButton* fac =
                    makeButton(b, QStringLiteral("cmdFac"), index, QString(), QRect(x, facY, kTooth, kTooth));
                fac->setIcon(QIcon(QPixmap::fromImage(circledDigitPicture(t))));
                fac->setIconSize(QSize(27, 27));
                QPushButton* abut =
                    makeButton(b, QStringLiteral("cmdStd"), index, QString(QChar(0x2460 + t - 1)),
                               QRect(x, stdY, kTooth, kTooth));
                // A gap button straddles its tooth and the next one toward the midline; at the midline the
                // two share the gap.
                const int sepX = t == 1 ? (right ? 3600 : 3960) : (right ? x + 240 : x - 240);
                QPushButton* sep = makeButton(b, QStringLiteral("cmdSep"), index, QStringLiteral("△"),
                                              QRect(sepX, 480, t == 1 ? 360 : kTooth, kTooth));
                connect(fac, &QPushButton::clicked, this,
                        [this, index] { pressTooth(M::OpElective, index); });
                connect(abut, &QPushButton::clicked, this,
                        [this, index] { pressTooth(M::OpAbutment, index); });
                connect(sep, &QPushButton::clicked, this, [this, index] { pressTooth(M::OpGap, index); });
            }
        }
        const int perTop = jaw == 1 ? 1440 : 3720;
        QWidget* per = makeGroup(this, QStringLiteral("picGroupPer_%1").arg(jaw),
                                 QRect(kJawX, perTop, kJawWidth, kTooth));
        groups_.insert(per->objectName(), per);
        for (int t = 1; t <= 8; ++t) {
            for (bool right : {true, false}) {
                const int index = jaw * 100 + (right ? t * 10 : t);
                QPushButton* btn =
                    makeButton(per, QStringLiteral("cmdPer"), index, QString(QChar(0xFF10 + t)),
                               QRect(toothX(right, t), 0, kTooth, kTooth));
                toothButtons_[M::OpPermanent].insert(index, btn);
                connect(btn, &QPushButton::clicked, this,
                        [this, index] { pressTooth(M::OpPermanent, index); });
            }
        }
        const int milkTop = jaw == 1 ? 1920 : 3240;
        QWidget* milk = makeGroup(this, QStringLiteral("picGroupMilk_%1").arg(jaw),
                                  QRect(kMilkX, milkTop, 5 * kTooth * 2 + 240, kTooth));
        groups_.insert(milk->objectName(), milk);
        for (int n = 1; n <= 5; ++n) {
            for (bool right : {true, false}) {
                const int index = jaw * 100 + (right ? n * 10 : n);
                QPushButton* btn =
                    makeButton(milk, QStringLiteral("cmdMilk"), index, QString(QChar(0xFF20 + n)),
                               QRect(toothX(right, n) - (kMilkX - kJawX), 0, kTooth, kTooth));
                toothButtons_[M::OpDeciduous].insert(index, btn);
                connect(btn, &QPushButton::clicked, this,
                        [this, index] { pressTooth(M::OpDeciduous, index); });
            }
        }
    }

    const struct {
        int index;
        QRect tw;
    } clears[] = {{0, QRect(720, 0, 360, 5640)},
                  {11, QRect(1080, 0, 360, 2400)},
                  {21, QRect(1080, 3240, 360, 2400)},
                  {12, QRect(9360, 0, 360, 2400)},
                  {22, QRect(9360, 3240, 360, 2400)}};
    for (const auto& c : clears) {
        QPushButton* b = makeButton(this, QStringLiteral("cmdClear"), c.index, kVerticalClear, c.tw);
        const int index = c.index;
        connect(b, &QPushButton::clicked, this, [this, index] {
            model_.pressClear(index);
            sync();
        });
    }
}

void DentalPart::buildPartText() {
    picGroupPartText_ = makeGroup(this, QStringLiteral("picGroupPartText"), QRect(9840, 0, 3855, 4200));
    // Four columns of words above the field; the last word below it.
    for (int i = 1; i <= 21; ++i) {
        const int slot = i - 1;
        const int y = i <= 20 ? (slot / 4) * kTooth : 3120;
        QPushButton* b = makeButton(picGroupPartText_, QStringLiteral("cmdText"), i, M::areaWord(i),
                                    QRect((slot % 4) * 960, y, 975, kTooth));
        connect(b, &QPushButton::clicked, this, [this, i] { pressWord(i); });
    }
    txtPartText_ = new QLineEdit(picGroupPartText_);
    txtPartText_->setObjectName(QStringLiteral("txtPartText"));
    txtPartText_->setGeometry(twRect(0, 2640, 2865, 405));
    QPushButton* clear = makeButton(picGroupPartText_, QStringLiteral("cmdText"), 0, QStringLiteral("クリア"),
                                    QRect(2880, 2640, 975, 405));
    connect(clear, &QPushButton::clicked, this, [this] { pressWord(0); });
}

void DentalPart::buildModes() {
    auto* frame = new QGroupBox(QStringLiteral("入力形式"), this);
    frame->setObjectName(QStringLiteral("fraMode"));
    frame->setGeometry(twRect(9840, 4200, 3735, 1455));
    const char* captions[] = {"通常", "省略形(PG病名)", "ブリッジ(隙/便宜抜髄)"};
    for (int k = 0; k < 3; ++k) {
        optMode_[k] = new QRadioButton(QString::fromUtf8(captions[k]), frame);
        optMode_[k]->setObjectName(QStringLiteral("optMode_%1").arg(k));
        optMode_[k]->setGeometry(twRect(120, 300 + k * 360, 3495, 345));
        connect(optMode_[k], &QRadioButton::clicked, this, [this, k] { selectMode(k); });
    }
}

void DentalPart::sync() {
    const M::Groups& g = model_.groups();
    for (int i = 0; i < 3; ++i)
        groups_.value(QStringLiteral("picGroupPG_%1").arg(i))->setVisible(g.pg[i]);
    for (int jaw = 1; jaw <= 2; ++jaw) {
        groups_.value(QStringLiteral("picGroupB_%1").arg(jaw))->setVisible(g.b[jaw - 1]);
        groups_.value(QStringLiteral("picGroupMilk_%1").arg(jaw))->setVisible(g.milk[jaw - 1]);
        groups_.value(QStringLiteral("picGroupPer_%1").arg(jaw))->setVisible(g.per[jaw - 1]);
    }
    lblMessage_->setText(model_.message());
    lblMessage_->setVisible(!model_.message().isEmpty());
    for (int k = 0; k < 3; ++k) {
        const QSignalBlocker block(optMode_[k]);
        optMode_[k]->setChecked(k == model_.selectedMode());
    }
    showCode();
}

void DentalPart::showCode() {
    // The glyph of the current code, centred in picDisp and never narrower than its drawing.
    glyph_->setPPoStrParts33(model_.currentCode());
    glyph_->PSuDraw();
    const int w = gdi::twipsToPx(glyph_->PPoDrawWidth());
    const int h = gdi::twipsToPx(glyph_->PPoDrawHeight());
    if (glyph_->width() < w)
        glyph_->resize(w, glyph_->height());
    glyph_->move(picDisp_->width() / 2 - w / 2, picDisp_->height() / 2 - h / 2);
}

void DentalPart::pressTooth(int operation, int index) {
    model_.pressTooth(operation, index);
    sync();
}

void DentalPart::pressRange() {
    int operation = M::OpPermanent;
    const int index = model_.pressRangeButton(&operation);
    if (index >= 0) {
        if (QPushButton* b = toothButtons_[operation].value(index)) {
            QPalette pal = b->palette();
            pal.setColor(QPalette::ButtonText, gdi::colorFromBgr(0xFF0000));
            b->setPalette(pal);
        }
    }
    sync();
}

void DentalPart::selectMode(int k) {
    model_.selectMode(k);
    sync();
}

void DentalPart::pressWord(int index) {
    if (index == 0) {
        txtPartText_->clear();
        return;
    }
    // At the caret (the start of a selection, which stays), the caret then behind the word.
    int caret =
        txtPartText_->hasSelectedText() ? txtPartText_->selectionStart() : txtPartText_->cursorPosition();
    const QString text = M::insertAreaWord(txtPartText_->text(), caret, M::areaWord(index));
    txtPartText_->setText(text);
    txtPartText_->setCursorPosition(caret);
}

bool DentalPart::PFuBolDispToPart33() {
    model_.dispToPart33();
    showCode();
    return true;
}

QString DentalPart::PPoPart33() {
    return model_.part33();
}

bool DentalPart::setPPoPart33(const QString& code) {
    if (!model_.setPart33(code))
        return false;
    showCode();
    return true;
}

QString DentalPart::PPoPartText() const {
    return txtPartText_->text();
}

void DentalPart::setPPoPartText(const QString& text) {
    txtPartText_->setText(text);
}

void DentalPart::setPPoBolTextEnable(bool on) {
    textEnable_ = on;
    picGroupPartText_->setVisible(on);
}

bool DentalPart::setPPoInputMode(int mode) {
    if (!model_.setInputMode(mode))
        return false;
    sync();
    return true;
}

void DentalPart::setPPoBolFixInputMode(bool on) {
    model_.setFixInputMode(on);
    for (QRadioButton* o : optMode_)
        o->setEnabled(!on);
}
