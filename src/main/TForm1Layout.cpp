// The window's layout: how its controls follow its size, its look, its keyboard order and the
// information panel.
#include "ControlNames.h"
#include "EntryField.h"
#include "FolderTree/TFolderTree.h"
#include "ShownNameDelegate.h"
#include "TForm1.h"
#include "main/layout/BlobPicture.h"
#include "main/layout/InfoPanel.h"
#include "main/layout/TabOrder.h"
#include "main/layout/WindowLook.h"
#include "platform/settings/FolderStore.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>

using layout::Anchor;

void TForm1::SetUpLayout() {
    layout::ApplyWindowLook(this);
    setWindowIcon(layout::WindowIcon());
    // The design size is the smallest useful one: below it the controls would run into each other.
    setMinimumSize(DesignWidth, DesignHeight);
    layout::ApplyGridLook(grdNames);
    // The grid's cells show old names with their stand-ins; the ruled look stays.
    QAbstractItemDelegate* ruled = grdNames->itemDelegate();
    grdNames->setItemDelegate(new ShownNameDelegate(grdNames));
    delete ruled;
    imgBlob->setPixmap(layout::BlobPicture());

    // A caption is as wide as its text in the window's font, as the labels of the design were; a fixed
    // width would cut off the end of a caption in a wider face.
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6})
        label->resize(label->fontMetrics().horizontalAdvance(label->text()), label->height());
    // The same holds for the radio buttons with free room to their right; "Manual" fits its place, and
    // "Duiplicate" stands right beside it.
    for (QRadioButton* button : {rdbRenamer, rdbReplacer, rdbDeleter, rdbAdd})
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());

    // Created last, so that it lies above every other control when it is shown.
    pnlInfo = new layout::InfoPanel(this, QString::fromStdString(services_.store.Location()));

    for (QWidget* control : std::initializer_list<QWidget*>{
             Label1,      Label2,     Label3,    Label4,    Label5,      Label6,     rdbRenamer,
             rdbReplacer, rdbDeleter, edtDelete, rdbManual, btnCopyOver, edtReplace, edtWith,
             rdbAdd,      edtBeg,     edtEnd,    edtPos,    edtAfter,    btnCopy,    btnPaste})
        anchoring_.Add(control, Anchor::TopRight);
    anchoring_.Add(shlDir, Anchor::LeftTop);
    anchoring_.Add(memHid, Anchor::LeftTop);
    anchoring_.Add(grdNames, Anchor::AllEdges);
    anchoring_.Add(imgBlob, Anchor::TopOnly);
    anchoring_.Add(btnHelp, Anchor::TopOnly);
    anchoring_.Add(Panel1, Anchor::BottomOnly);
    anchoring_.Add(pnlInfo, Anchor::Fill);

    // The grid, the hidden list and the hidden text buffer are never reached by Tab.
    std::vector<QWidget*> chain{rdbRenamer,  btnCopy,    btnPaste, rdbManual,  btnCopyOver,
                                rdbReplacer, edtReplace, edtWith,  rdbDeleter, edtDelete,
                                rdbAdd,      edtBeg,     edtEnd,   edtPos,     edtAfter,
                                btnRefresh,  btnView,    btnGo,    btnHelp};
    for (QWidget* control : pnlInfo->TabChain())
        chain.push_back(control);
    chain.push_back(shlDir);
    layout::SetTabChain(chain);
    layout::TabStopOnCheckedOnly({rdbRenamer, rdbManual, rdbReplacer, rdbDeleter, rdbAdd});
}

void TForm1::LayOut() {
    anchoring_.Apply(size());
}

void TForm1::btnHelpClick() {
    pnlInfo->Open();
}
