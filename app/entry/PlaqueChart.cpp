#include "app/entry/PlaqueChart.h"

#include <QWidget>

#include "controls/dental/PlaqueCheck.h"
#include "controls/toothchart/ToothPartCode.h"
#include "platform/error/VbError.h"

namespace plaquechart {

Cells gatherCells(const QWidget& form, const QString& prefix) {
    Cells cells{};
    for (int i = 0; i < kToothCount; ++i) {
        const QString name = prefix + u'_' + QString::number(i);
        cells[static_cast<size_t>(i)] = form.findChild<PlaqueCheck*>(name);
        if (!cells[static_cast<size_t>(i)])
            throw VbError::of(9, form.objectName(), name);
    }
    return cells;
}

bool showPlaqueCodes(const ToothValues& codes, MdlPlaque::PermanentMatrix& permanent,
                     MdlPlaque::DeciduousMatrix& deciduous, Cells& cells) {
    using namespace MdlPlaque;
    return FuBolPlaqueStrToArry(codes, permanent, 0, 8, cells) &&
           FuBolPlaqueStrToArry(codes, deciduous, 32, 5, cells) &&
           FuBolPlaqueArryToCtl(permanent, 0, 8, cells) && FuBolPlaqueArryToCtl(deciduous, 32, 5, cells);
}

QString cellCode(const PlaqueCheck& cell, int quadrant) {
    if (cell.Lost())
        return kMissingTooth + QStringLiteral("   ");
    return MdlPlaque::codeOf({cell.PlaqueU(), cell.PlaqueD(), cell.PlaqueL(), cell.PlaqueR()}, quadrant);
}

CellCount countCells(const Cells& cells) {
    CellCount n;
    for (const PlaqueCheck* c : cells) {
        if (c->Lost())
            continue;
        ++n.present;
        n.faces +=
            (c->PlaqueU() ? 1 : 0) + (c->PlaqueD() ? 1 : 0) + (c->PlaqueL() ? 1 : 0) + (c->PlaqueR() ? 1 : 0);
    }
    return n;
}

void clearCells(Cells& cells) {
    for (PlaqueCheck* c : cells) {
        c->setLost(false);
        c->setPlaqueU(false);
        c->setPlaqueD(false);
        c->setPlaqueL(false);
        c->setPlaqueR(false);
    }
}

std::array<bool, kToothCount> presentTeeth(const QString& parts33) {
    std::array<bool, kToothCount> present{};
    for (int q = 0; q < 4; ++q) {
        for (int t = 1; t <= 8; ++t)
            present[static_cast<size_t>(q * 8 + t - 1)] =
                ToothPartCode::isPresentPermanent(ToothPartCode::stateAt(parts33, q, t));
        for (int n = 1; n <= 5; ++n)
            present[static_cast<size_t>(32 + q * 5 + n - 1)] =
                ToothPartCode::isPresentDeciduous(ToothPartCode::stateAt(parts33, q, n), n);
    }
    return present;
}

} // namespace plaquechart
