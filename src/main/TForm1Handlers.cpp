// The handlers of the folder, the grid, the modes and the two big buttons.
#include "Dialogs.h"
#include "EntryField.h"
#include "FileList.h"
#include "FolderToOpen.h"
#include "FolderTree/TFolderTree.h"
#include "NameGridModel.h"
#include "TForm1.h"
#include "engine/RenameEngine.h"
#include "platform/settings/FolderStore.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The batch's questions and reports, answered by the window's boxes.
class BoxPrompts : public engine::BatchPrompts {
public:
    explicit BoxPrompts(Dialogs& dialogs) : dialogs_(dialogs) {}
    bool ConfirmClash(const std::string& text) override { return dialogs_.Confirm(text); }
    void ReportFailure(const std::string& text) override { dialogs_.ShowMessage(text); }

private:
    Dialogs& dialogs_;
};

std::string TextOf(const QLineEdit* field) {
    return Utf8Of(field->text());
}

} // namespace

void TForm1::FormCreate() {
    Run([this] { shlDir->SelectPath(startFolder_.empty() ? services_.store.LoadFolder() : startFolder_); });
    rdbRenamerClick();
}

void TForm1::Exit1Click() {
    Run([this] { services_.store.SaveFolder(shlDir->SelectedPath()); });
}

void TForm1::FormDragDrop(const std::string& path) {
    shlDir->SelectPath(FolderToOpen(path, {}));
}

void TForm1::shlDirChange() {
    lstFiles->SetFolder(shlDir->SelectedPath());
}

void TForm1::lstFilesChange() {
    gridModel->Reset([this](engine::NameGrid& grid) { grid.List(lstFiles->Names()); });
    SetPreviewTag(0);
}

void TForm1::btnRefreshClick() {
    lstFiles->Reread();
    SetPreviewTag(0);
}

void TForm1::HideAll() {
    edtReplace->setEnabled(false);
    edtWith->setEnabled(false);
    edtDelete->setEnabled(false);
    btnCopyOver->hide();
    edtBeg->setEnabled(false);
    edtEnd->setEnabled(false);
    edtPos->setEnabled(false);
    edtAfter->setEnabled(false);
    btnCopy->setEnabled(false);
    btnPaste->setEnabled(false);
    gridModel->ChangeNewNames([](engine::NameGrid& grid) { grid.BlankNewNames(); });
}

void TForm1::rdbRenamerClick() {
    HideAll();
    btnCopy->setEnabled(true);
    btnPaste->setEnabled(true);
}

void TForm1::rdbManualClick() {
    HideAll();
    btnCopyOver->show();
}

void TForm1::rdbReplacerClick() {
    HideAll();
    edtReplace->setEnabled(true);
    edtWith->setEnabled(true);
}

void TForm1::rdbDeleterClick() {
    HideAll();
    edtDelete->setEnabled(true);
}

void TForm1::rdbAddClick() {
    HideAll();
    edtBeg->setEnabled(true);
    edtEnd->setEnabled(true);
    edtPos->setEnabled(true);
    edtAfter->setEnabled(true);
}

engine::Mode TForm1::CheckedMode() const {
    if (rdbManual->isChecked())
        return engine::Mode::Manual;
    if (rdbReplacer->isChecked())
        return engine::Mode::Replacer;
    if (rdbDeleter->isChecked())
        return engine::Mode::Deleter;
    if (rdbAdd->isChecked())
        return engine::Mode::Adder;
    return engine::Mode::Renamer;
}

engine::EntryTexts TForm1::EntryTexts() const {
    return {TextOf(edtReplace), TextOf(edtWith), TextOf(edtDelete), TextOf(edtPos),
            TextOf(edtAfter),   TextOf(edtBeg),  TextOf(edtEnd)};
}

QWidget* TForm1::FieldOf(engine::EntryField field) const {
    switch (field) {
    case engine::EntryField::Replace:
        return edtReplace;
    case engine::EntryField::With:
        return edtWith;
    case engine::EntryField::Delete:
        return edtDelete;
    case engine::EntryField::Position:
        return edtPos;
    case engine::EntryField::After:
        return edtAfter;
    case engine::EntryField::Beginning:
        return edtBeg;
    case engine::EntryField::End:
        return edtEnd;
    case engine::EntryField::None:
        break;
    }
    return nullptr;
}

void TForm1::btnViewClick() {
    SetPreviewTag(1);
    previewMode_ = CheckedMode();
    WorkOut();
}

void TForm1::WorkOut() {
    aborted_ = 1;
    engine::WorkOutResult result;
    const engine::Mode mode = CheckedMode();
    const engine::EntryTexts texts = EntryTexts();
    gridModel->ChangeNewNames([&](engine::NameGrid& grid) { result = engine::WorkOut(mode, texts, grid); });
    if (!result.passed) {
        services_.dialogs.ShowMessage(result.message);
        if (QWidget* field = FieldOf(result.focus))
            field->setFocus();
        return;
    }
    aborted_ = 0;
}

void TForm1::btnGoClick() {
    // Without a preview Go computes the selected mode itself, so a typed or pasted column is still
    // checked for duplicates; after a preview the column is taken as the user left it. A preview made in
    // another mode counts for nothing: checking this mode blanked its names.
    if (PreviewTag() == 0 || CheckedMode() != previewMode_)
        WorkOut();
    if (aborted_ != 0)
        return;
    // Go renames only in the folder whose files the grid lists, whatever the tree shows meanwhile.
    if (lstFiles->Folder().empty())
        return;
    const engine::BatchSnapshot batch =
        engine::TakeSnapshot(lstFiles->Folder(), gridModel->Grid(), lstFiles->Identity());
    BoxPrompts prompts(services_.dialogs);
    const auto journal = GoJournal();
    const engine::BatchResult result = engine::RunBatch(batch, services_.renamer, prompts, journal.get());
    if (result.listAgain)
        lstFiles->Reread();
}
