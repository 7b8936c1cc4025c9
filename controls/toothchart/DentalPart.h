// The tooth-part entry panel: tooth buttons in three input modes, range presets, clearing, area words
// and the glyph of the code being built, over the panel logic of DentalPartModel.
#pragma once
#include <QHash>
#include <QWidget>
#include <array>

#include "controls/toothchart/DentalPartModel.h"
#include "platform/gdi/GdiBasics.h"
#include "platform/gdi/StoredProperties.h"

class DrawGlyphor;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The panel is 913 x 401 pixels (13695 x 6015 twips). Buttons are named as the arrays they belong to,
// with their index: cmdPer_160, cmdMilk_103, cmdSep_110, cmdStd_101, cmdFac_101, cmdPG_17400,
// cmdTo_190, cmdClear_0, cmdText_1; the options optMode_0..2, the message lblMessage, the part text
// txtPartText, the glyph DrawGlyphor1 in picDisp. Every press, by the user or made by code, runs its
// handler at once. Enabled is the widget's own (setEnabled, isEnabled); Font is the widget's font.
// BackColor, ForeColor, BackStyle and BorderStyle are stored only.
class DentalPart : public QWidget, public gdi::StoredColors<gdi::OleColor>, public gdi::StoredStyles {
    Q_OBJECT
public:
    explicit DentalPart(QWidget* parent = nullptr);

    void Refresh() {}

    // Rebuilds the code from the working cells and sets it; true.
    bool PFuBolDispToPart33();
    // Nothing to do (setting the code fills the cells); true.
    bool PFuBolPart33ToDisp() const { return true; }

    // The code, rebuilt from the cells at every read (its first letter stamped from the selected mode).
    QString PPoPart33();
    // Stamps the mode letter ("C" while compressed is selected, else "N"), fills the cells and draws the
    // glyph. An empty code is refused (false) and nothing changes.
    bool setPPoPart33(const QString& code);
    QString PPoPartText() const;
    void setPPoPartText(const QString& text);
    // Shows or hides the area words and the part text.
    bool PPoBolTextEnable() const { return textEnable_; }
    void setPPoBolTextEnable(bool on);
    // The mode last written (0 normal, 1 compressed, 2 bridge), whichever option is selected since.
    // Setting selects its option, which runs the mode change; a value outside 0..2 is refused (false).
    int PPoInputMode() const { return model_.inputMode(); }
    bool setPPoInputMode(int mode);
    // The options are disabled while the mode is fixed.
    bool PPoBolFixInputMode() const { return model_.fixInputMode(); }
    void setPPoBolFixInputMode(bool on);

    // What the panel shows: the message line and the panel logic.
    QString message() const { return model_.message(); }
    const DentalPartModel& model() const { return model_; }
    DrawGlyphor* glyph() const { return glyph_; }

private:
    void buildButtons();
    void buildPartText();
    void buildModes();
    // After every operation: groups, message, options and the glyph of the current code.
    void sync();
    void showCode();
    void pressTooth(int operation, int index);
    void pressRange();
    void selectMode(int k);
    void pressWord(int index);

    DentalPartModel model_;
    QHash<QString, QWidget*> groups_;
    QHash<int, QPushButton*> toothButtons_[2]; // cmdPer, cmdMilk: the ones the range button colours
    std::array<QRadioButton*, 3> optMode_{};
    QWidget* picGroupPartText_ = nullptr;
    QWidget* picDisp_ = nullptr;
    DrawGlyphor* glyph_ = nullptr;
    QLabel* lblMessage_ = nullptr;
    QLineEdit* txtPartText_ = nullptr;
    bool textEnable_ = true;
};
