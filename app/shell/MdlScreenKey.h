// The on-screen keyboard: the desktop's keyboard program, brought up without taking the focus.
#pragma once
#include <QString>
#include <QStringList>

namespace MdlScreenKey {
// Brings up the on-screen keyboard without taking the focus; starts it when not running.
void PSuScreenKeyShow();
// Non-zero when an on-screen keyboard is running.
long FuLngScreenKeyFind();
// The keyboard program and its arguments ("onboard" unless set; an empty program restores it).
void setKeyboardCommand(const QString& program, const QStringList& args = {});
} // namespace MdlScreenKey
