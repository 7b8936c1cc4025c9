// The record grid of the record screen with the hidden drawing controls whose pictures the month view
// puts into its cells, and the two month buttons it enables.
#pragma once
#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <array>

#include "controls/dental/ImageCanvas.h"
#include "controls/toothchart/PartControl.h"
#include "controls/toothchart/PicPart.h"
#include "controls/toothchart/PicText.h"

class SpreadGrid;

namespace MdlKarteMain {

struct KarteSheet {
    SpreadGrid* SpdKarte = nullptr;
    PicText PicText1;
    PicPart PicPart1;
    PartControl PartControl1;
    ImageCanvas ImageCanvas1;
    // Next month (0) and previous month (1); either may be absent.
    std::array<QPointer<QAbstractButton>, 2> CmdPageCange{};
    // The screen kept busy while a month is laid; may be absent.
    QPointer<QWidget> form;
    // True while a month is being laid (the screen refuses to close meanwhile).
    bool laying = false;

    SpreadGrid& grid() const { return *SpdKarte; }
};

} // namespace MdlKarteMain
