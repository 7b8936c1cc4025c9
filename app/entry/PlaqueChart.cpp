#include "app/entry/PlaqueChart.h"

#include <QWidget>

#include "controls/dental/PlaqueCheck.h"
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

} // namespace plaquechart
