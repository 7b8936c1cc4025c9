// Numbered messages: looks a message up in the message file and shows it in a message box.
#pragma once
#include <QString>

#include "platform/msgbox/MsgBox.h"

// Button sets and icons carry the Windows message-box values.
enum class EnMsgDispButton : int { O = 0, OC = 1, ARI = 2, YNC = 3, YN = 4, RC = 5 };
enum class EnMsgDispIcon : int { N = 0, i = 64, Q = 32, W = 48, E = 16, Manual = 99 };
// The button pressed, as PFuDispMessage returns it: the Windows results the message-box layer names
// (IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7).
using EnMsgDispResult = msgbox::Results;

class clsMessage {
public:
    void PoSetDirPath(const QString& path);
    // Returns the button pressed (1-7), 99 when the message is not in the file, 0 when the file
    // is missing, 9999 after a run-time error.
    int PFuDispMessage(const QString& StrWorkID, const QString& StrMsgID, EnMsgDispButton VbMsgButton,
                       EnMsgDispIcon VbMsgIcon, const QString& StrAddMsg = QString(),
                       const QString& StrTitle = QString());

    const QString& dirPath() const { return path_; }

private:
    QString path_ = QStringLiteral("./clsMessage.txt");
};
