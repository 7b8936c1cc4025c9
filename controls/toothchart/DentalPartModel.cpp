#include "controls/toothchart/DentalPartModel.h"

#include <QHash>
#include <algorithm>

#include "controls/toothchart/ToothPartCode.h"

namespace {

// The refusal messages of the change table, by number.
const QString kMessages[] = {
    QString(),
    QStringLiteral("便宜抜髄支台歯が既に存在しています。"),
    QStringLiteral("分割歯が既に存在しています。"),
    QStringLiteral("隙付き支台歯が既に存在しています。"),
    QStringLiteral("隙付き便宜抜髄支台歯が既に存在しています。"),
    QStringLiteral("支台歯が既に存在しています。"),
    QStringLiteral("分割抜歯された永久歯が既に存在しています。"),
    QStringLiteral("隙と乳歯は並存不可です。"),
    QStringLiteral("隙のみで登録は出来ません。"),
    QStringLiteral("既に乳歯が存在しています。"),
    QStringLiteral("既に便宜抜髄支台歯が存在しています。"),
    QStringLiteral("既に永久歯が存在しています。"),
    QStringLiteral("既に支台歯が存在しています。"),
};

// One row per state letter; the five columns are the operations 0..4: a new state letter, a message
// number (1..9, then A, B, C for 10..12), or "?" (not supported).
struct Row {
    char state;
    const char* results;
};
constexpr Row kRows[] = {
    {'0', "ab8de"}, {'a', "0hnkB"}, {'b', "g0999"}, {'c', "0hnkB"}, {'d', "j5qmC"},
    {'e', "11rA0"}, {'f', "?????"}, {'g', "ha999"}, {'h', "bg999"}, {'i', "?????"},
    {'j', "k66aC"}, {'k', "d66jC"}, {'l', "?????"}, {'m', "2660C"}, {'n', "07aBB"},
    {'o', "?????"}, {'p', "07aBB"}, {'q', "37d0C"}, {'r', "47eA0"}, {'s', "?????"},
};

// The table as the control builds it once: key operation digit and state letter, value the result
// text (a letter, "-," and a message, or "?").
const QHash<QString, QString>& changeTable() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const Row& row : kRows) {
            for (int op = 0; op < 5; ++op) {
                const char r = row.results[op];
                QString result;
                if (r == '?')
                    result = QStringLiteral("?");
                else if (r >= '1' && r <= '9')
                    result = QStringLiteral("-,") + kMessages[r - '0'];
                else if (r >= 'A' && r <= 'C')
                    result = QStringLiteral("-,") + kMessages[10 + (r - 'A')];
                else
                    result = QString(QChar(r));
                t.insert(QString(QChar('0' + op)) + QChar(row.state), result);
            }
        }
        return t;
    }();
    return table;
}

int cellSlot(int index) {
    switch (index) {
    case 0:
        return 0;
    case 11:
        return 1;
    case 12:
        return 2;
    case 21:
        return 3;
    case 22:
        return 4;
    default:
        return -1;
    }
}

} // namespace

DentalPartModel::DentalPartModel() {
    cells_[0] = QString();
    for (int i = 1; i < 5; ++i)
        cells_[i] = QStringLiteral("00000000");
    current_ = ToothPartCode::kEmpty;
    partControl_.setPPoStrParts33(current_);
    partControl_.PSuSeparation();
    selectMode(PEnMode_Normal);
}

QString DentalPartModel::changeResult(int operation, const QString& state) {
    const auto& t = changeTable();
    const auto it = t.constFind(QString::number(operation) + state);
    return it == t.constEnd() ? QStringLiteral("?") : it.value();
}

QString DentalPartModel::cell(int index) const {
    const int slot = cellSlot(index);
    return slot < 0 ? QString() : cells_[slot];
}

void DentalPartModel::setCell(int index, const QString& text) {
    const int slot = cellSlot(index);
    if (slot >= 0)
        cells_[slot] = text;
}

QString& DentalPartModel::cellRef(int index) {
    return cells_[std::max(0, cellSlot(index))];
}

QString DentalPartModel::part33() {
    current_ = ToothPartCode::buildFromCells(cells_[0], cells_[1], cells_[2], cells_[3], cells_[4]);
    return current_;
}

bool DentalPartModel::setPart33(const QString& value) {
    if (value.isEmpty())
        return false;
    QString code = value;
    code[0] = selected_ == PEnMode_Compress ? QChar('C') : QChar('N');
    current_ = code;
    cells_[0] = code.mid(0, 1);
    cells_[1] = code.mid(1, 8);
    cells_[2] = code.mid(9, 8);
    cells_[3] = code.mid(17, 8);
    cells_[4] = code.mid(25, 8);
    partControl_.setPPoStrParts33(code);
    partControl_.PSuSeparation();
    return true;
}

bool DentalPartModel::dispToPart33() {
    setPart33(ToothPartCode::buildFromCells(cells_[0], cells_[1], cells_[2], cells_[3], cells_[4]));
    return true;
}

void DentalPartModel::pressTooth(int operation, int index) {
    if (operation == OpPermanent || operation == OpDeciduous) {
        lastButton_ = index;
        lastPermanent_ = operation == OpPermanent;
    }
    changePart(operation, index / 100, (index / 10) % 10, index % 10);
}

void DentalPartModel::writeState(int cellIndex, int pos, QChar s) {
    QString& c = cellRef(cellIndex);
    if (c.size() < pos)
        c += QString(pos - c.size(), QChar('0'));
    c[pos - 1] = s;
}

void DentalPartModel::changeOne(int operation, int cellIndex, int pos) {
    const QString state = cellRef(cellIndex).mid(pos - 1, 1);
    const QString result = changeResult(operation, state);
    if (result.startsWith(QChar('-'))) {
        message_ = result.mid(2);
    } else if (result == QStringLiteral("?") || result.isEmpty()) {
        // Also a state the table has no row for (a letter past "s", an upper-case letter, a short cell).
        message_ = kNotSupported;
    } else {
        writeState(cellIndex, pos, result.at(0));
    }
}

void DentalPartModel::changePart(int operation, int jaw, int right, int left) {
    message_.clear();
    if (right > 0)
        changeOne(operation, jaw * 10 + 1, 9 - right);
    if (left > 0)
        changeOne(operation, jaw * 10 + 2, left);
    dispToPart33();
}

void DentalPartModel::applyPreset(int index) {
    const int jaw = index / 10000;
    const int r1 = (index / 1000) % 10, r2 = (index / 100) % 10;
    const int l1 = (index / 10) % 10, l2 = index % 10;
    if (jaw < 1 || jaw > 2)
        return;
    if (std::min(r1, r2) >= 1)
        for (int t = std::min(r1, r2); t <= std::max(r1, r2) && t <= 8; ++t)
            writeState(jaw * 10 + 1, 9 - t, QChar('a'));
    if (std::min(l1, l2) >= 1)
        for (int t = std::min(l1, l2); t <= std::max(l1, l2) && t <= 8; ++t)
            writeState(jaw * 10 + 2, t, QChar('a'));
    dispToPart33();
}

void DentalPartModel::pressPreset(int index) {
    if (index == 77) {
        applyPreset(17117);
        applyPreset(27117);
    } else if (index == 88) {
        applyPreset(18118);
        applyPreset(28118);
    } else {
        applyPreset(index);
    }
}

void DentalPartModel::applyClear(int index) {
    if (cellSlot(index) > 0)
        cellRef(index) = QStringLiteral("00000000");
    dispToPart33();
    message_.clear();
}

void DentalPartModel::pressClear(int index) {
    if (index == 0) {
        for (int i : {11, 12, 21, 22})
            applyClear(i);
    } else {
        applyClear(index);
    }
}

int DentalPartModel::pressRangeButton(int* operation) {
    if (lastButton_ == 0)
        return -1;
    const int button = lastButton_;
    const bool permanent = lastPermanent_;
    pressTooth(permanent ? OpPermanent : OpDeciduous, button);
    if (permanent)
        groups_.milk = {false, false};
    else
        groups_.per = {false, false};
    groups_.pg = {false, false, false};
    if (operation)
        *operation = permanent ? OpPermanent : OpDeciduous;
    return button;
}

void DentalPartModel::selectMode(int k) {
    if ((k == PEnMode_Normal || k == PEnMode_Compress) && partControl_.FuBolCheckBridge()) {
        selectMode(PEnMode_Bridge);
        message_ = kBridgeRefusal;
        return;
    }
    if (k < PEnMode_Normal || k > PEnMode_Bridge)
        return;
    selected_ = k;
    groups_.pg = {false, false, false};
    groups_.b = {false, false};
    groups_.milk = {false, false};
    switch (k) {
    case PEnMode_Normal:
        groups_.milk = {true, true};
        cells_[0] = QStringLiteral("N");
        break;
    case PEnMode_Compress:
        groups_.pg = {true, true, true};
        groups_.milk = {true, true};
        cells_[0] = QStringLiteral("C");
        break;
    default:
        groups_.b = {true, true};
        cells_[0] = QStringLiteral("N");
        break;
    }
    dispToPart33();
}

bool DentalPartModel::setInputMode(int mode) {
    if (mode < PEnMode_Normal || mode > PEnMode_Bridge)
        return false;
    inputMode_ = mode;
    selectMode(mode);
    return true;
}

QString DentalPartModel::areaWord(int index) {
    static const char* const words[] = {"",       "右側", "左側",   "正中", "右",   "左",     "両側", "部",
                                        "間",     "上",   "下",     "上顎", "下顎", "上下顎", "舌",   "頬",
                                        "頬粘膜", "口唇", "舌下部", "口角", "顎",   "歯肉"};
    if (index < 1 || index > 21)
        return QString();
    return QString::fromUtf8(words[index]);
}

QString DentalPartModel::insertAreaWord(const QString& text, int& caret, const QString& word) {
    const int at = std::clamp(caret, 0, static_cast<int>(text.size()));
    caret = at + static_cast<int>(word.size());
    return text.left(at) + word + text.mid(at);
}
