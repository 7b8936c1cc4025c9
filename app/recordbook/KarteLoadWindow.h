// Loading the current patient's record book under the record-loading wait window.
#pragma once
#include "app/recordcore/KarteLoad.h"

namespace MdlKarteMain {

// The load's progress on the wait window FrmMkarte99_001: shown modeless and on top when the load
// starts, unloaded when it ends.
class KarteLoadWindow : public KarteLoadView {
public:
    void showWindow() override;
    void unloadWindow() override;
    void setGetMessage(const QString& text) override;
    void setGetCnt(long n) override;
    void setAllCnt(long n) override;
    void setBarRange(long min, long max) override;
    void setBarValue(long value) override;
    void refresh() override;
};

// The whole book of the current patient under the wait window; true on success.
bool PFuBolKarteGetData();

} // namespace MdlKarteMain
