// Colour, font and style properties that a control keeps and hands back without drawing with them.
#pragma once
#include <QFont>

namespace gdi {

// One base class per group, so each control takes the groups it has; the members carry the properties'
// own names. A control that starts with other values passes them to the base's constructor.

template <typename Color> class StoredBackColor {
public:
    explicit StoredBackColor(Color c = 0) : backColor_(c) {}
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c) { backColor_ = c; }

private:
    Color backColor_;
};

template <typename Color> class StoredForeColor {
public:
    explicit StoredForeColor(Color c = 0) : foreColor_(c) {}
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }

private:
    Color foreColor_;
};

// BackColor and ForeColor.
template <typename Color> class StoredColors : public StoredBackColor<Color>, public StoredForeColor<Color> {
public:
    explicit StoredColors(Color back = 0, Color fore = 0)
        : StoredBackColor<Color>(back), StoredForeColor<Color>(fore) {}
};

class StoredEnabled {
public:
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

private:
    bool enabled_ = false;
};

class StoredFont {
public:
    explicit StoredFont(const QFont& f = QFont()) : font_(f) {}
    QFont Font() const { return font_; }
    void setFont(const QFont& f) { font_ = f; }

private:
    QFont font_;
};

class StoredBorderStyle {
public:
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int v) { borderStyle_ = v; }

private:
    int borderStyle_ = 0;
};

// BackStyle and BorderStyle.
class StoredStyles : public StoredBorderStyle {
public:
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int v) { backStyle_ = v; }

private:
    int backStyle_ = 0;
};

} // namespace gdi
