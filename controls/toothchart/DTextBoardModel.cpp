#include "controls/toothchart/DTextBoardModel.h"

#include <cmath>
#include <limits>

#include "platform/gdi/GdiFont.h"
#include "platform/gdi/PaintSurface.h"

using gdi::vbRound;

DTextBoardModel::DTextBoardModel(std::unique_ptr<gdi::Surface> measure)
    : measure_(measure ? std::move(measure) : std::make_unique<gdi::ImageSurface>(QSize(1, 1))),
      font_(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)), fontDP_(font_) {
    layout();
}

DTextBoardModel::~DTextBoardModel() = default;

void DTextBoardModel::setText(const QString& text) {
    text_ = DTextMarkup::removeLineFeeds(text);
    layout();
}

void DTextBoardModel::setFont(const QFont& f) {
    font_ = f;
    layout();
}

void DTextBoardModel::setFontDP(const QFont& f) {
    fontDP_ = f;
    layout();
}

void DTextBoardModel::setGeometryTw(int widthTw, int heightTw) {
    widthTw_ = widthTw;
    heightTw_ = heightTw;
    layout();
}

void DTextBoardModel::setMinHeightTw(int tw) {
    minHeightTw_ = tw;
    layout();
}

void DTextBoardModel::layout() {
    measure_->setFont(font_);
    DTextLayout::Result r =
        DTextLayout::layout(text_, widthTw_, heightTw_, minHeightTw_, {*measure_, glyph_, fontDP_});
    cells_ = std::move(r.cells);
    lineUnit_ = r.lineUnit;
    heightTw_ = r.heightTw;
    // A shorter text set from outside must not leave the caret past its last cell.
    clampCaret();
}

void DTextBoardModel::setCaret(int k) {
    caret_ = k;
    clampCaret();
}

DTextBoardModel::CaretLine DTextBoardModel::caretLine() const {
    if (caret_ > 0) {
        const DTextCell& c = cells_.at(caret_);
        return CaretLine{c.LngLeft + c.LngWidth, c.LngTop, c.LngTop + c.LngHeight};
    }
    measure_->setFont(font_);
    return CaretLine{1, 0, vbRound(measure_->textHeightTw(QStringLiteral(" ")))};
}

QString DTextBoardModel::withoutCell(int c) const {
    const DTextCell& before = cells_.at(c - 1);
    const DTextCell& cell = cells_.at(c);
    return text_.left(before.end()) + text_.mid(cell.end());
}

QString DTextBoardModel::insertedAfter(int k, const QString& s) const {
    const int at = cells_.at(k).end();
    return text_.left(at) + s + text_.mid(at);
}

int DTextBoardModel::nearestCell(int xTw, int yTw) const {
    // Distances from the caret position after each cell and from the cell's vertical middle. A cell on
    // another line than the best one wins by being nearer vertically (then horizontally); on the best
    // one's line it wins by being nearer horizontally. Ties keep the earlier cell.
    auto dxOf = [&](const DTextCell& c) { return vbRound(std::abs(double(c.LngLeft) + c.LngWidth - xTw)); };
    auto dyOf = [&](const DTextCell& c) { return vbRound(std::abs(c.LngTop + c.LngHeight / 2.0 - yTw)); };
    int best = 0;
    int bestLine = 1;
    int bestDx = dxOf(cells_.at(0));
    int bestDy = dyOf(cells_.size() > 1 ? cells_.at(1) : cells_.at(0));
    for (int i = 1; i < cells_.size(); ++i) {
        const DTextCell& c = cells_.at(i);
        const int dx = dxOf(c);
        const int dy = dyOf(c);
        const bool wins =
            c.LngLine != bestLine ? (dy < bestDy || (dy == bestDy && dx < bestDx)) : dx < bestDx;
        if (wins) {
            best = i;
            bestLine = c.LngLine;
            bestDx = dx;
            bestDy = dy;
        }
    }
    return best;
}

DTextBoardModel::Effect DTextBoardModel::press(int button, int xTw, int yTw) {
    caret_ = button == 1 ? nearestCell(xTw, yTw) : 0;
    return Effect{true, false};
}

DTextBoardModel::Effect DTextBoardModel::key(Key k) {
    const int n = lastCell();
    Effect e;
    switch (k) {
    case Key::Home:
        caret_ = 0;
        e.moved = true;
        break;
    case Key::End:
        caret_ = n;
        e.moved = true;
        break;
    case Key::Delete:
        if (caret_ < n) {
            setText(withoutCell(caret_ + 1));
            e.changed = true;
        }
        break;
    case Key::Backspace:
        if (caret_ >= 1) {
            const int c = caret_;
            setText(withoutCell(c));
            caret_ = c - 1;
            e = Effect{true, true};
        }
        break;
    case Key::Left:
        if (caret_ > 0) {
            --caret_;
            e.moved = true;
        }
        break;
    case Key::Right:
        if (caret_ < n) {
            ++caret_;
            e.moved = true;
        }
        break;
    case Key::Down: {
        // The first cell of the next line; aim at the caret's x, half the height of that line's shortest
        // cell below the first cell's top.
        const DTextCell& at = cells_.at(caret_);
        int first = caret_ + 1;
        while (first <= n && cells_.at(first).LngLine <= at.LngLine)
            ++first;
        if (first > n)
            break;
        const int line = cells_.at(first).LngLine;
        int shortest = std::numeric_limits<int>::max();
        for (int i = first; i <= n && cells_.at(i).LngLine == line; ++i)
            shortest = std::min(shortest, cells_.at(i).LngHeight);
        e = press(1, at.LngLeft + at.LngWidth, vbRound(cells_.at(first).LngTop + shortest / 2.0));
        break;
    }
    case Key::Up: {
        // The last cell of the line above; aim between its top and the caret cell's top.
        const DTextCell& at = cells_.at(caret_);
        if (at.LngLine <= 1)
            break;
        int prev = caret_ - 1;
        while (prev > 0 && cells_.at(prev).LngLine >= at.LngLine)
            --prev;
        e = press(1, at.LngLeft + at.LngWidth, vbRound((at.LngTop + cells_.at(prev).LngTop) / 2.0));
        break;
    }
    }
    clampCaret();
    return e;
}

DTextBoardModel::Effect DTextBoardModel::type(const QString& ch) {
    setText(insertedAfter(caret_, ch));
    setCaret(caret_ + 1);
    return Effect{true, true};
}

DTextBoardModel::Effect DTextBoardModel::insString(const QString& s) {
    // The caret stands after the inserted text whatever cells it formed: as many cells after it as
    // before. An insertion that merges with the text after the caret (an unclosed "/{" meeting a "/}")
    // leaves fewer cells than that, so the caret is brought back into 0..n.
    const int after = lastCell() - caret_;
    setText(insertedAfter(caret_, s));
    setCaret(lastCell() - after);
    return Effect{true, true};
}

void DTextBoardModel::paint(gdi::Surface& target, const QRect& clipPx) {
    target.setFont(font_);
    DTextLayout::paint(target, cells_, glyph_, fontDP_, clipPx);
}
