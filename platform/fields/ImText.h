// The text entry field: maximum length, allowed character classes, input method on or off.
#pragma once
#include <QLineEdit>
#include <QString>

// A one-line text field whose Format (see CharFormat.h) keeps other characters out, typed or pasted.
// IMEMode switches the input method off (the default) or on for kana entry: Linux input methods have
// no per-field mode, so "hiragana" means the input method is available in this field. With AutoConvert
// on, half-width characters are taken as their full-width forms before the format is checked.
class ImText : public QLineEdit {
    Q_OBJECT
public:
    enum ImeMode { ImeOff = 0, ImeHiragana = 1 };

    explicit ImText(QWidget* parent = nullptr);
    ~ImText() override;

    QString Format() const { return format_; }
    void setFormat(const QString& format);
    ImeMode IMEMode() const { return imeMode_; }
    void setIMEMode(ImeMode mode);
    bool AutoConvert() const { return autoConvert_; }
    void setAutoConvert(bool on);
    bool TabStop() const { return focusPolicy() != Qt::ClickFocus && focusPolicy() != Qt::NoFocus; }
    // Out of the tab order the field still takes the focus by a click.
    void setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

private:
    class FormatValidator;
    FormatValidator* validator_;
    QString format_;
    ImeMode imeMode_ = ImeOff;
    bool autoConvert_ = false;
};
