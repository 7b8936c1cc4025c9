// Reading record-book values from a recordset field: texts with Null as "", and the numbers the
// database keeps in 16 bits, refused (never wrapped, never read as 0) when they cannot be held.
#pragma once
#include <QString>

namespace ado {
class Field;
}

namespace MdlKarteMain {

// The text, Null as "".
QString readText(const ado::Field& f);
// A 16-bit number; Null is VbError 94, a value outside -32768..32767 VbError 6.
int readInt16(const ado::Field& f);
enum class LinkNull { Zero, Refused };
// A line number used as a link (0 = none): Null as 0 (or refused), otherwise 0..32767.
int readLink(const ado::Field& f, LinkNull nullAs = LinkNull::Zero);
// A line's own number: 1..32767.
int readRecNo(const ado::Field& f);
// An entry number that names a detail row: Null as 0.
int readEntryRef(const ado::Field& f);

} // namespace MdlKarteMain
