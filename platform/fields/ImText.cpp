#include "platform/fields/ImText.h"

#include <QValidator>
#include <algorithm>

#include "platform/fields/CharFormat.h"

class ImText::FormatValidator : public QValidator {
public:
    explicit FormatValidator(ImText* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (field_->autoConvert_) {
            const qsizetype before = input.size();
            input = fields::toFullWidth(input);
            pos = std::clamp<int>(pos - static_cast<int>(before - input.size()), 0, input.size());
        }
        return fields::formatAllows(field_->format_, input) ? Acceptable : Invalid;
    }

private:
    ImText* field_;
};

ImText::ImText(QWidget* parent) : QLineEdit(parent), validator_(new FormatValidator(this)) {
    setValidator(validator_);
    setIMEMode(ImeOff);
}

ImText::~ImText() = default;

void ImText::setFormat(const QString& format) {
    format_ = format;
}

void ImText::setIMEMode(ImeMode mode) {
    imeMode_ = mode;
    setAttribute(Qt::WA_InputMethodEnabled, mode != ImeOff);
    setInputMethodHints(mode == ImeOff ? Qt::ImhPreferLatin : Qt::ImhNone);
}

void ImText::setAutoConvert(bool on) {
    autoConvert_ = on;
}
