// The clipboard buttons and the check of the entry fields.
#include "ClipboardBytes.h"
#include "Dialogs.h"
#include "EntryField.h"
#include "NameGridModel.h"
#include "TForm1.h"
#include "engine/grid/ClipboardText.h"
#include "engine/names/CheckChars.h"
#include "main/longwork/FileList.h"

#include <QPlainTextEdit>

// Before the first listing the grid holds one blank row of the initial layout, not a file: the
// clipboard buttons treat it as a folder without files.
bool TForm1::Listed() const {
    return !lstFiles->Folder().empty();
}

void TForm1::btnCopyClick() {
    memHid->clear();
    if (!Listed())
        return;
    const engine::NameGrid& grid = gridModel->Grid();
    // A name with a line break would split into two lines and shift every name after it.
    if (const auto name = engine::NameWithLineBreak(grid)) {
        services_.dialogs.ShowMessage(engine::LineBreakMessage(*name));
        return;
    }
    const std::string text = engine::CopyText(grid);
    if (!text.empty())
        clipboard_bytes::Put(text);
}

void TForm1::btnPasteClick() {
    memHid->clear();
    if (!Listed())
        return;
    const std::vector<std::string> lines = engine::PasteLines(clipboard_bytes::Held());
    gridModel->ChangeNewNames([&lines](engine::NameGrid& grid) { engine::ApplyPaste(grid, lines); });
}

void TForm1::btnCopyOverClick() {
    if (!Listed())
        return;
    gridModel->ChangeNewNames([](engine::NameGrid& grid) { engine::CopyOldNamesOver(grid); });
}

void TForm1::CheckChars(EntryField* field) {
    const std::string text = Utf8Of(field->text());
    const int position = engine::CheckChars(text);
    if (position == 0)
        return;
    // The position counts characters, so the message names a whole character, however many bytes it takes.
    // It is taken from the very text that was checked: a lone surrogate half in the field has become "?"
    // there, and "?" is what the message shows.
    const char32_t character = QString::fromStdString(text).toUcs4().at(position - 1);
    const QString shown = QString::fromUcs4(&character, 1);
    services_.dialogs.ShowMessage("Please do not use the character " + shown.toStdString());
    field->setFocus();
}

void TForm1::edtReplaceExit() {
    CheckChars(edtReplace);
}

void TForm1::edtWithExit() {
    CheckChars(edtWith);
}

void TForm1::edtDeleteExit() {
    CheckChars(edtDelete);
}

void TForm1::edtBegExit() {
    CheckChars(edtBeg);
}

void TForm1::edtEndExit() {
    CheckChars(edtEnd);
}

void TForm1::edtAfterExit() {
    CheckChars(edtAfter);
}
