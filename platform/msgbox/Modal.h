// Modal windows (forms, the print dialog, file dialogs): one routine shows them, and a test seam hands
// them to a responder instead of a blocking event loop, as the message box's answer queue does.
#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

namespace modal {

// Shows window application-modal and returns when it has been hidden or destroyed (a window that is
// already shown is hidden first). With the test seam on, nothing blocks: the window is shown, handed
// to the next responder, and closed (as by its window's close button) if it is still shown afterwards.
void show(QWidget* window);

// ---- test seam -------------------------------------------------------------------------
// What a test does with a modal window: click its buttons, fill its fields, close or hide it.
using Responder = std::function<void(QWidget& window)>;
// With the seam on, each modal window is recorded and handed to the next responder in the queue;
// with the queue empty it is only closed.
void enableTestSeam(bool on);
bool testSeamEnabled();
void pushResponder(Responder responder);
void clearResponders();
// The objectName of every window shown modally, in order.
QStringList shown();
void clearShown();

} // namespace modal
