#include "app/entry/MdlSubScreen.h"

#include <QPointer>
#include <optional>

#include "app/entry/FrmMKarte03_003.h"
#include "app/entry/FrmMKarte03_004.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DentalPart.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "controls/toothchart/ToothPartCode.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

namespace MdlSubScreen {
namespace {

// Shows an input screen modally; true when the user left it with OK. A screen closed by its window
// frame has unloaded itself and counts as not accepted.
template <typename F> bool acceptedAfterModal(F* form) {
    QPointer<F> alive(form);
    forms::showModal(form);
    return alive && !alive->isUnloaded() && alive->PPoBolInputEffective();
}

// Loads the tooth-part screen (its defaults first) and gives it the four settings, in the order the
// panel needs them: the mode before anything that depends on it.
FrmMKarteS_001* toothPartScreen(bool textEnable, int inputMode, bool fixInputMode, bool inputEnable) {
    FrmMKarteS_001* f = FrmMKarteS_001::load();
    f->setPPoInputMode(inputMode);
    f->setPPoBolFixInputMode(fixInputMode);
    f->setPPoBolInputEnable(inputEnable);
    f->setPPoBolTextEnable(textEnable);
    return f;
}

} // namespace

bool PFuBolPlaqueDetailDisp(long index, QString& delMark, bool& update) {
    // The viewer's back button unloads the viewer itself: its results are taken as it goes.
    std::optional<std::pair<QString, bool>> results;
    const auto take = [&results](FrmMKarte03_003& f) {
        results.emplace(f.PPoStrDelMark(), f.PPoBolUpdate());
    };
    const bool shown = openEntrySubScreen<FrmMKarte03_003>(
        [&](FrmMKarte03_003& f) {
            f.setPPoLngNowPlaque(index);
            QObject::connect(&f, &forms::Form::unloaded, &f, [&take, &f] { take(f); });
        },
        take);
    if (shown && results) {
        delMark = results->first;
        update = results->second;
    }
    return shown;
}

bool PFuBolDrawToothPart(DrawGlyphor& glyph, bool textEnable, int inputMode, bool fixInputMode,
                         bool inputEnable) {
    try {
        FrmMKarteS_001* f = toothPartScreen(textEnable, inputMode, fixInputMode, inputEnable);
        f->setPPoPart33(glyph.PPoStrParts33());
        f->setPPoPartText(glyph.PPoStrPartsText());
        bool accepted = false;
        if (acceptedAfterModal(f)) {
            glyph.setPPoStrParts33(f->PPoPart33());
            glyph.setPPoStrPartsText(f->PPoPartText());
            glyph.PSuDraw();
            accepted = true;
        }
        FrmMKarteS_001::unload();
        return accepted;
    } catch (const std::exception& e) {
        FrmMKarteS_001::unload();
        PFuBolPutLog(QStringLiteral("PFuBolDrawToothPart"), errorDescription(e));
        return false;
    }
}

bool PFuBolDrawTextPart(DText& text, bool textEnable, int inputMode, bool fixInputMode, bool inputEnable) {
    try {
        FrmMKarteS_001* f = toothPartScreen(textEnable, inputMode, fixInputMode, inputEnable);
        f->setPPoPart33(ToothPartCode::kEmpty);
        f->setPPoPartText(QString());
        // Words go with a tooth part inserted into text, whatever the caller allows elsewhere.
        f->DentalPart1()->setPPoBolTextEnable(true);
        if (acceptedAfterModal(f)) {
            const QString code = f->PPoPart33();
            const QString words = text::vbTrim(f->PPoPartText());
            text.PSuInsString(QStringLiteral("/{D") + code + words + QStringLiteral("/}"));
        }
        FrmMKarteS_001::unload();
        return true;
    } catch (const std::exception& e) {
        FrmMKarteS_001::unload();
        PFuBolPutLog(QStringLiteral("PFuBolDrawTextPart"), errorDescription(e));
        return false;
    }
}

bool PFuBolStrInput(DText& text) {
    try {
        FrmMKarteS_008* f = FrmMKarteS_008::load();
        MdlCommInterface::PSuFormCenter(f);
        f->setPPoBolInputEffective(false);
        if (acceptedAfterModal(f)) {
            const QString s = text::vbTrim(f->PPoStrInputString());
            if (!s.isEmpty())
                text.PSuInsString(QStringLiteral("/{B") + s + QStringLiteral("/}"));
        }
        FrmMKarteS_008::unload();
        return true;
    } catch (...) {
        FrmMKarteS_008::unload();
        return false;
    }
}

bool PFuBolCommentSelect(QString& comment, bool& update) {
    // Unless the picker is read after its own accept or back, it was closed by its frame: nothing chosen.
    QString chosen;
    bool updated = false;
    const bool shown = openEntrySubScreen<FrmMKarte03_004>({}, [&](FrmMKarte03_004& f) {
        chosen = f.PPoStrComment();
        updated = f.PPoBolUpdate();
    });
    if (shown) {
        comment = chosen;
        update = updated;
    }
    return shown;
}

} // namespace MdlSubScreen
