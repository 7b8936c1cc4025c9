// The logic of the tooth-part entry panel: working cells, the change table, tooth operations, range
// presets, clearing, the range button, input modes and the code, free of widgets.
#pragma once
#include <QString>
#include <array>

#include "controls/toothchart/PartControl.h"

class DentalPartModel {
public:
    enum PEnInputMode { PEnMode_Normal = 0, PEnMode_Compress = 1, PEnMode_Bridge = 2 };
    // Operations of the tooth button arrays.
    enum Operation { OpPermanent = 0, OpDeciduous = 1, OpGap = 2, OpAbutment = 3, OpElective = 4 };

    // Which button groups the panel shows. Index 0 of pg is the both-jaw preset group, 1 and 2 the
    // jaws; the other arrays are indexed by jaw - 1.
    struct Groups {
        std::array<bool, 3> pg{true, true, true};
        std::array<bool, 2> b{true, true};
        std::array<bool, 2> milk{true, true};
        std::array<bool, 2> per{true, true};
        bool operator==(const Groups&) const = default;
    };

    static inline const QString kNotSupported = QStringLiteral("対応されていません");
    static inline const QString kBridgeRefusal =
        QStringLiteral("ブリッジ／便宜抜髄支台歯／隙がある場合は変更できません");

    // A new panel: empty cells, normal mode, message line empty.
    DentalPartModel();

    // The change table: the result for an operation on a state letter: a new letter, "-," and a
    // message, or "?" (also for a state without a row).
    static QString changeResult(int operation, const QString& state);

    // The five working cells: 0 mode, 11 upper right, 12 upper left, 21 lower right, 22 lower left.
    QString cell(int index) const;
    void setCell(int index, const QString& text);

    // PPoPart33 get: rebuilds the code from the cells, keeps it as the current code and returns it.
    QString part33();
    // PPoPart33 let: refuses "" (false, nothing changes); else stamps the mode letter ("C" while the
    // compressed option is selected, else "N"), keeps the code, fills the cells and splits it.
    bool setPart33(const QString& value);
    // PFuBolDispToPart33: rebuilds the code from the cells and sets it through setPart33.
    bool dispToPart33();
    // PFuBolPart33ToDisp: nothing to do (setting the code fills the cells already).
    bool part33ToDisp() const { return true; }
    // The current code as last set.
    QString currentCode() const { return current_; }
    // The splitter holding the current code, split.
    const PartControl& partControl() const { return partControl_; }

    // A press of a tooth button of one operation with its index jaw*100 + right*10 + left.
    void pressTooth(int operation, int index);
    // FuBolChangePart: one operation on the tooth (or teeth) given; refusals show their message and
    // keep the cells; the code is rebuilt either way.
    void changePart(int operation, int jaw, int right, int left);
    // cmdPG: five digits jaw, right from, right to, left from, left to (77 and 88: both jaws).
    void pressPreset(int index);
    // cmdClear: 11, 12, 21, 22 one quadrant, 0 all four.
    void pressClear(int index);
    // cmdTo: presses the last tooth button again and narrows the groups. Returns the index of the button
    // to colour blue with the operation it belongs to (OpPermanent or OpDeciduous), or -1 when no tooth
    // button was pressed yet.
    int pressRangeButton(int* operation = nullptr);
    int lastToothButton() const { return lastButton_; }
    bool lastToothPermanent() const { return lastPermanent_; }

    // optMode click: the mode change (a bridge code forces the bridge option with its message).
    void selectMode(int k);
    int selectedMode() const { return selected_; }
    // PPoInputMode: the let stores the value and selects its option; a value outside 0..2 is refused
    // (false) before anything is stored. The get answers the value last written.
    bool setInputMode(int mode);
    int inputMode() const { return inputMode_; }
    bool fixInputMode() const { return fixInputMode_; }
    void setFixInputMode(bool on) { fixInputMode_ = on; }

    const Groups& groups() const { return groups_; }
    // The message line (shown only when not empty).
    QString message() const { return message_; }
    void setMessage(const QString& m) { message_ = m; }

    // Area words of the part text: the caption of word button i (1..21; "" for others).
    static QString areaWord(int index);
    // The text with the word inserted at the caret (a selection is not replaced); the caret moves behind
    // the word.
    static QString insertAreaWord(const QString& text, int& caret, const QString& word);

private:
    QString& cellRef(int index);
    // Sets the state letter at a 1-based position of a cell, padding a short cell with "0".
    void writeState(int cellIndex, int pos, QChar s);
    void changeOne(int operation, int cellIndex, int pos);
    void applyPreset(int fiveDigits);
    void applyClear(int index);

    std::array<QString, 5> cells_;
    QString current_;
    PartControl partControl_;
    int selected_ = PEnMode_Normal;
    int inputMode_ = PEnMode_Normal;
    bool fixInputMode_ = false;
    int lastButton_ = 0;
    bool lastPermanent_ = false;
    Groups groups_;
    QString message_;
};
