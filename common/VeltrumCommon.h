// Shared pieces of the common-services classes: their plain error boxes and whole-number reading.
#pragma once
#include <QString>
#include <cstdint>

namespace veltrum {

// The library's title: the caption of its own plain boxes.
inline const QString kTitle = QStringLiteral("Veltrum");

// Descriptions of the run-time errors the classes report.
inline const QString kTypeMismatch = QStringLiteral("型が一致しません。");
inline const QString kOverflow = QStringLiteral("オーバーフローしました。");
inline const QString kInputPastEnd = QStringLiteral("ファイルにこれ以上データがありません。");

// The plain box of a failing property setter: label, CR LF, "Err.Source -> " source, CR LF,
// description; OK only, no icon, caption Veltrum.
void showPropertyError(const QString& label, const QString& source, const QString& description);

// A text read as a 32-bit whole number the way the program's runtime converts text to a Long:
// blanks around it ignored, a fraction rounded half to even. Throws VbError (type mismatch) for
// a text that is not a number and VbError (overflow) for one outside the 32-bit range.
int32_t toLong(const QString& text, const QString& source);

} // namespace veltrum
