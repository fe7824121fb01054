#include "TForm1.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "EntryField.h"
#include "FolderDrop.h"
#include "FolderTree/TFolderTree.h"
#include "GridKeys.h"
#include "NameGridModel.h"
#include "main/longwork/ControlsLock.h"
#include "main/longwork/FileList.h"
#include "main/longwork/ListingIndicator.h"
#include "main/longwork/WorkerThread.h"
#include "platform/settings/FolderStore.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <exception>

namespace {

// Every control is a child placed at its design position; the window uses no layouts.
template <class Control, class... Args>
Control* Place(QWidget* parent, const char* name, QRect geometry, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

TForm1::TForm1(const WindowServices& services, std::string startFolder, QWidget* parent)
    : QWidget(parent), services_(services), startFolder_(std::move(startFolder)) {
    setObjectName(QLatin1String(names::Form1));
    setWindowTitle(tr("Title Shaper Workshop"));
    resize(DesignWidth, DesignHeight);
    services_.dialogs.SetWindow(this);
    CreateControls();
    SetUpLayout();
    Run([this] {
        if (startFolder_.empty())
            startFolder_ = services_.store.LoadFolder();
    });
    // The file list reads the start folder in full: it tells the tree whether that folder has sub-folders,
    // also when the tree shows the folder as it is built (one on the desktop).
    shlDir->ExpectSubFolderAnswer(startFolder_);
    // The tree is built and registered before its change event is bound, so building it lists nothing.
    Run([this] { shlDir->SetActive(true); });
    ConnectHandlers();
    // The window shows first: a folder that takes long to read (a million files) is read while it shows,
    // with the listing's indicator, instead of keeping it hidden.
    lstFiles->HoldLongReads(true);
    FormCreate();
    lstFiles->HoldLongReads(false);
    // The first control in tab order starts with the focus; the tree would otherwise take it and, on
    // getting it, select its first node by itself.
    rdbRenamer->setFocus();
}

TForm1::~TForm1() {
    Exit1Click();
    // The children outlive this part of the window; none of their last signals may reach a handler.
    disconnect(shlDir, nullptr, this, nullptr);
    disconnect(lstFiles, nullptr, this, nullptr);
}

void TForm1::CreateControls() {
    Label1 = Place<QLabel>(this, names::Label1, {564, 216, 77, 13}, tr("String To Delete"));
    Label2 = Place<QLabel>(this, names::Label2, {564, 112, 40, 13}, tr("Replace"));
    Label3 = Place<QLabel>(this, names::Label3, {564, 152, 22, 13}, tr("With"));
    Label4 = Place<QLabel>(this, names::Label4, {564, 280, 41, 13}, tr("Begining"));
    Label5 = Place<QLabel>(this, names::Label5, {564, 320, 19, 13}, tr("End"));
    Label6 = Place<QLabel>(this, names::Label6, {564, 360, 37, 13}, tr("Position"));
    imgBlob = Place<QLabel>(this, names::imgBlob, {448, 61, 80, 80});

    shlDir = Place<TFolderTree>(this, names::shlDir, {8, 8, 425, 145}, services_.shell);
    shlDir->setIndentation(19);

    memHid = Place<QPlainTextEdit>(this, names::memHid, {464, 24, 65, 33});
    memHid->setLineWrapMode(QPlainTextEdit::NoWrap);
    memHid->setFocusPolicy(Qt::NoFocus);
    memHid->hide();

    lstFiles = new FileList(services_.lister, this);
    pnlListing = new ListingIndicator(
        this, [this] { return lstFiles->ReadSoFar(); }, [this] { lstFiles->Cancel(); });

    gridModel = new NameGridModel(this);
    grdNames = Place<QTableView>(this, names::grdNames, {8, 160, 522, 270});
    grdNames->setModel(gridModel);
    new GridKeys(grdNames, gridModel);
    // Its look is set with the window's look; the columns are sized on the first resize.
    grdNames->horizontalHeader()->setDefaultSectionSize(64);

    rdbRenamer = Place<QRadioButton>(this, names::rdbRenamer, {540, 16, 113, 17}, tr("Veze Zazedoz"));
    rdbReplacer = Place<QRadioButton>(this, names::rdbReplacer, {540, 96, 113, 17}, tr("Part Replacer"));
    rdbDeleter = Place<QRadioButton>(this, names::rdbDeleter, {540, 200, 113, 17}, tr("Substring Deleter"));
    edtDelete = Place<EntryField>(this, names::edtDelete, {564, 232, 121, 21});
    rdbManual = Place<QRadioButton>(this, names::rdbManual, {540, 72, 62, 17}, tr("Manual"));
    btnCopyOver = Place<QPushButton>(this, names::btnCopyOver, {600, 72, 61, 17}, tr("Duiplicate"));
    btnCopyOver->hide();
    edtReplace = Place<EntryField>(this, names::edtReplace, {564, 128, 121, 21});
    edtWith = Place<EntryField>(this, names::edtWith, {564, 168, 121, 21});
    rdbAdd = Place<QRadioButton>(this, names::rdbAdd, {540, 264, 113, 17}, tr("Substring Adder"));
    edtBeg = Place<EntryField>(this, names::edtBeg, {564, 296, 121, 21});
    edtEnd = Place<EntryField>(this, names::edtEnd, {564, 336, 121, 21});
    edtPos = Place<QLineEdit>(this, names::edtPos, {564, 376, 25, 21});
    edtAfter = Place<EntryField>(this, names::edtAfter, {596, 376, 89, 21});
    btnCopy = Place<QPushButton>(this, names::btnCopy, {556, 40, 49, 17}, tr("Copy"));
    btnPaste = Place<QPushButton>(this, names::btnPaste, {612, 40, 49, 17}, tr("Paste"));
    rdbRenamer->setChecked(true);

    Panel1 = Place<QFrame>(this, names::Panel1, {194, 432, 311, 41});
    Panel1->setFrameShape(QFrame::NoFrame);
    btnRefresh = Place<QPushButton>(Panel1, names::btnRefresh, {6, 8, 75, 25}, tr("Refresh"));
    btnView = Place<QPushButton>(Panel1, names::btnView, {118, 8, 75, 25}, tr("Preview"));
    btnGo = Place<QPushButton>(Panel1, names::btnGo, {230, 8, 75, 25}, tr("Go"));
    SetPreviewTag(0);

    // "&&" is how a caption shows one ampersand.
    btnHelp = Place<QPushButton>(this, names::btnHelp, {448, 24, 80, 25}, tr("Help && Info"));
    NameForScreenReaders();
}

// Screen readers name an entry field after the label whose buddy it is; the rest carry a name of their own.
void TForm1::NameForScreenReaders() {
    Label1->setBuddy(edtDelete);
    Label2->setBuddy(edtReplace);
    Label3->setBuddy(edtWith);
    Label4->setBuddy(edtBeg);
    Label5->setBuddy(edtEnd);
    Label6->setBuddy(edtPos);
    edtAfter->setAccessibleName(tr("Position text"));
    shlDir->setAccessibleName(tr("Folders"));
    grdNames->setAccessibleName(tr("File names"));
}

template <class Sender, class Signal>
void TForm1::Bind(Sender* sender, Signal signal, void (TForm1::*handler)()) {
    connect(sender, signal, this,
            [this, handler](auto&&...) { Run([this, handler] { (this->*handler)(); }); });
}

// A mode's handler runs only when its button becomes checked, so choosing the mode already checked keeps
// the new names.
void TForm1::BindMode(QRadioButton* button, void (TForm1::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
        if (checked)
            Run([this, handler] { (this->*handler)(); });
    });
}

void TForm1::ConnectHandlers() {
    Bind(shlDir, &TFolderTree::OnChange, &TForm1::shlDirChange);
    Bind(lstFiles, &FileList::Change, &TForm1::lstFilesChange);
    connect(lstFiles, &FileList::Busy, this, &TForm1::ListingBusy);
    BindMode(rdbRenamer, &TForm1::rdbRenamerClick);
    BindMode(rdbManual, &TForm1::rdbManualClick);
    BindMode(rdbReplacer, &TForm1::rdbReplacerClick);
    BindMode(rdbDeleter, &TForm1::rdbDeleterClick);
    BindMode(rdbAdd, &TForm1::rdbAddClick);
    Bind(btnCopy, &QPushButton::clicked, &TForm1::btnCopyClick);
    Bind(btnPaste, &QPushButton::clicked, &TForm1::btnPasteClick);
    Bind(btnCopyOver, &QPushButton::clicked, &TForm1::btnCopyOverClick);
    Bind(edtReplace, &EntryField::Exit, &TForm1::edtReplaceExit);
    Bind(edtWith, &EntryField::Exit, &TForm1::edtWithExit);
    Bind(edtDelete, &EntryField::Exit, &TForm1::edtDeleteExit);
    Bind(edtBeg, &EntryField::Exit, &TForm1::edtBegExit);
    Bind(edtEnd, &EntryField::Exit, &TForm1::edtEndExit);
    Bind(edtAfter, &EntryField::Exit, &TForm1::edtAfterExit);
    Bind(btnRefresh, &QPushButton::clicked, &TForm1::btnRefreshClick);
    Bind(btnView, &QPushButton::clicked, &TForm1::btnViewClick);
    Bind(btnGo, &QPushButton::clicked, &TForm1::btnGoClick);
    Bind(btnHelp, &QPushButton::clicked, &TForm1::btnHelpClick);
    SetUpUndo();
    SetUpRules();
    connect(new FolderDrop(this), &FolderDrop::Dropped, this,
            [this](const std::string& path) { Run([this, &path] { FormDragDrop(path); }); });
}

void TForm1::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        services_.dialogs.ShowMessage(error.what());
    }
}

int TForm1::PreviewTag() const {
    return btnView->property(names::Tag).toInt();
}

void TForm1::SetPreviewTag(int tag) {
    btnView->setProperty(names::Tag, tag);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The anchored controls move first: FormResize sizes the columns from the grid's new width.
    LayOut();
    Run([this] { FormResize(); });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Run([this] { FormResize(); });
    // The wait runs its own loop of events: from the window's loop, once show() has put it on the screen.
    if (lstFiles->HoldsRead())
        QTimer::singleShot(0, this, [this] { Run([this] { lstFiles->FinishHeldRead(); }); });
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Run([this] { FormResize(); });
}

void TForm1::ListingBusy(bool busy) {
    if (busy) {
        listingLock_ =
            std::make_unique<ControlsLock>(this, std::initializer_list<const QWidget*>{shlDir, pnlListing});
        pnlListing->Begin(grdNames->geometry());
    } else {
        pnlListing->End();
        listingLock_.reset();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The batch's progress dialog offers Stop; the window closes only once the batch has ended.
    if (batchRunning_) {
        event->ignore();
        return;
    }
    // A folder still being read is no longer wanted.
    lstFiles->Cancel();
    QWidget::closeEvent(event);
}

void TForm1::FormResize() {
    // The window may shrink for a moment and is then set back to its design size.
    if (width() < DesignWidth || height() < DesignHeight)
        resize(std::max(width(), DesignWidth), std::max(height(), DesignHeight));

    const int column = grdNames->width() / 2 - 3;
    grdNames->setColumnWidth(0, column);
    grdNames->setColumnWidth(1, column);

    // btnHelp and imgBlob stand centred in the gap between the tree and the mode buttons.
    const int left = shlDir->x() + shlDir->width();
    const int gap = rdbRenamer->x() - left;
    for (QWidget* control : {static_cast<QWidget*>(btnHelp), static_cast<QWidget*>(imgBlob)})
        control->move(left + gap / 2 - control->width() / 2, control->y());
}
