// The comment picker: stock comments by kind, composed into one marked text for the instruction entry.
#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "app/entry/CommentMaster.h"
#include "app/shell/FormSupport.h"

class DText;
class QPushButton;
class SpreadGrid;

namespace Ui {
class FrmMKarte03_004;
}

// Opened by MdlSubScreen::PFuBolCommentSelect. The load reads the kinds and shows the comments of the
// first one; its load state is 3 when that fails (no kind at all included). A click on a comment makes
// it the whole text; tooth parts and small characters can be inserted. Accept hands the text back with
// the update flag set, back clears the flag; both hide the screen, and the opener reads and closes it.
// The comments of a kind are read at its first display and kept, unless it has none.
class FrmMKarte03_004 : public forms::Form, public forms::DefaultInstance<FrmMKarte03_004> {
    Q_OBJECT
public:
    explicit FrmMKarte03_004(QWidget* parent = nullptr);
    ~FrmMKarte03_004() override;

    // The composed comment: empty until the user accepts.
    QString PPoStrComment() const { return comment_; }
    bool PPoBolUpdate() const { return update_; }
    // Unloads the screen and clears its default instance.
    void PSuCloseWindowt();

    SpreadGrid* SpdClass() const;
    SpreadGrid* SpdContents() const;
    DText* DtxComment() const;
    // The kinds as read, with the comments read so far.
    const std::vector<commentmaster::CommentKind>& kinds() const { return kinds_; }

public slots:
    void SpdClass_Click(int col, int row);
    void SpdContents_Click(int col, int row);
    void SpdClass_KeyDown(int keyCode, int shift);
    void SpdContents_KeyDown(int keyCode, int shift);
    void CmdFNC_Click();
    void CmdCancel_Click();
    void CmdPart_Click();
    void CmdBottomChar_Click();
    void CmdKeyboard_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

private:
    bool FuBolFormInit();
    bool FuBolCommentKindSerach();
    bool FuBolCommentSerach(size_t kind);
    // Reads the kind's comments when not yet read and lists them; false after a failure.
    bool FuBolCommentDisp(size_t kind);

    std::unique_ptr<Ui::FrmMKarte03_004> ui;
    std::vector<commentmaster::CommentKind> kinds_;
    QString comment_;
    bool update_ = false;
    bool loading_ = false;
};
