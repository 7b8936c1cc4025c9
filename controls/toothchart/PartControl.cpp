#include "controls/toothchart/PartControl.h"

#include "controls/toothchart/ToothPartCode.h"

PartControl::PartControl() : parts33_(ToothPartCode::kEmpty) {
    q_.urb = q_.ulb = q_.drb = q_.dlb = QuadSplitter::kEmptyMask;
}

void PartControl::setPPoStrParts33(const QString& value) {
    parts33_ = ToothPartCode::normalizeForSplitter(value);
}

void PartControl::PSuSeparation() {
    q_ = QuadSplitter::split(parts33_);
}

bool PartControl::FuBolCheckBridge() const {
    return ToothPartCode::hasBridgeContent(parts33_);
}
