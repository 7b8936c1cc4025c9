// The quadrant notation splitter as the program hosts it: set the code, split, read texts and masks.
#pragma once
#include <QString>

#include "controls/toothchart/QuadSplitter.h"
#include "platform/gdi/GdiBasics.h"
#include "platform/gdi/StoredProperties.h"

// BackColor, ForeColor, Enabled, Font, BackStyle and BorderStyle are stored only.
class PartControl : public gdi::StoredColors<gdi::OleColor>,
                    public gdi::StoredEnabled,
                    public gdi::StoredFont,
                    public gdi::StoredStyles {
public:
    PartControl();

    // The code: stored after "0" has been appended 33 times, cut to 33 characters.
    QString PPoStrParts33() const { return parts33_; }
    void setPPoStrParts33(const QString& value);

    // Splits the stored code into the texts, masks and the compressed flag.
    void PSuSeparation();
    // True when characters 2 onward of the stored code hold bridge content.
    bool FuBolCheckBridge() const;

    // The quadrant texts and masks of the last split (each also settable, as the control allows).
    const QuadNotation& notation() const { return q_; }
    QString PPoStrUR() const { return q_.ur; }
    QString PPoStrUC() const { return q_.uc; }
    QString PPoStrUL() const { return q_.ul; }
    QString PPoStrDR() const { return q_.dr; }
    QString PPoStrDC() const { return q_.dc; }
    QString PPoStrDL() const { return q_.dl; }
    QString PPoStrURB() const { return q_.urb; }
    QString PPoStrULB() const { return q_.ulb; }
    QString PPoStrDRB() const { return q_.drb; }
    QString PPoStrDLB() const { return q_.dlb; }
    bool PPoBolCompress() const { return q_.compress; }
    void setPPoStrUR(const QString& v) { q_.ur = v; }
    void setPPoStrUC(const QString& v) { q_.uc = v; }
    void setPPoStrUL(const QString& v) { q_.ul = v; }
    void setPPoStrDR(const QString& v) { q_.dr = v; }
    void setPPoStrDC(const QString& v) { q_.dc = v; }
    void setPPoStrDL(const QString& v) { q_.dl = v; }
    void setPPoStrURB(const QString& v) { q_.urb = v; }
    void setPPoStrULB(const QString& v) { q_.ulb = v; }
    void setPPoStrDRB(const QString& v) { q_.drb = v; }
    void setPPoStrDLB(const QString& v) { q_.dlb = v; }
    void setPPoBolCompress(bool v) { q_.compress = v; }

    void Refresh() {}

private:
    QString parts33_;
    QuadNotation q_;
};
