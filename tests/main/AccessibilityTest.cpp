// What a screen reader finds: every control the keyboard reaches has a name, and the boxes and the
// progress of a Go say their text.
#include "FormFixture.h"
#include "OpenBox.h"
#include "main/layout/InfoPanel.h"
#include "main/longwork/BatchProgressDialog.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = Accessible(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every focusable element below the interface that has no name, by object name (or its parent's) and role.
void CollectNameless(QAccessibleInterface* face, std::vector<std::string>& nameless) {
    // A cell is named by what it holds, and a blank new name is read as blank.
    if (face->state().focusable && face->role() != QAccessible::Cell &&
        face->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = face->object();
        for (QAccessibleInterface* up = face; !object && up; up = up->parent())
            object = up->object();
        nameless.push_back((object ? object->objectName().toStdString() : std::string("?")) + " (role " +
                           std::to_string(face->role()) + ")");
    }
    for (int i = 0; i < face->childCount(); ++i) {
        if (QAccessibleInterface* child = face->child(i))
            CollectNameless(child, nameless);
    }
}

using Accessibility = FormTest;

TEST_F(Accessibility, EveryFocusableControlHasANameWithThePagesClosedAndOpen) {
    OpenListing({"a.txt", "b.txt"});
    for (const bool pagesOpen : {false, true}) {
        SCOPED_TRACE(pagesOpen ? "pages open" : "pages closed");
        if (pagesOpen)
            Click(names::btnHelp);
        std::vector<std::string> nameless;
        CollectNameless(Accessible(form_.get()), nameless);
        EXPECT_EQ(nameless, std::vector<std::string>{});
    }
}

TEST_F(Accessibility, EntryFieldsAreNamedAfterTheirLabelsTheTreeAndTheGridForWhatTheyHold) {
    Open();
    const struct {
        const char* control;
        const char* name;
        QAccessible::Role role;
    } rows[] = {
        {names::edtReplace, "Replace", QAccessible::EditableText},
        {names::edtWith, "With", QAccessible::EditableText},
        {names::edtDelete, "String To Delete", QAccessible::EditableText},
        {names::edtBeg, "Begining", QAccessible::EditableText},
        {names::edtEnd, "End", QAccessible::EditableText},
        {names::edtPos, "Position", QAccessible::EditableText},
        {names::edtAfter, "Position text", QAccessible::EditableText},
        {names::shlDir, "Folders", QAccessible::Tree},
        {names::grdNames, "File names", QAccessible::Table},
        {layout::info_names::memInfoAbout, "About", QAccessible::EditableText},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* face = Accessible(Find(row.control));
        ASSERT_NE(face, nullptr) << row.control;
        EXPECT_EQ(face->text(QAccessible::Name).toStdString(), row.name) << row.control;
        EXPECT_EQ(face->role(), row.role) << row.control;
    }
}

// The boxes are read out with their text; the answer is Escape, which every box takes.
TEST(AccessibleBoxes, SayTheirTextWhenTheyOpen) {
    MessageBoxDialogs dialogs(QStringLiteral("Quillmap"));
    const struct {
        const char* name;
        std::function<void()> show;
        const char* text;
    } rows[] = {
        {"message", [&] { dialogs.ShowMessage("Error renaming file a.txt"); }, "Error renaming file a.txt"},
        {"question", [&] { dialogs.Confirm("Overwrite nothing?"); }, "Overwrite nothing?"},
        {"failure", [&] { dialogs.AskAfterFailure("Disk full"); }, "Disk full"},
    };
    for (const auto& row : rows) {
        QString description;
        QString textViewName;
        LookAtOpenBox(row.show, [&](QMessageBox& box) {
            description = Accessible(&box)->text(QAccessible::Description);
            if (auto* view = box.findChild<QWidget*>(QLatin1String(MessageTextName)))
                textViewName = AccessibleName(view);
        });
        EXPECT_EQ(description.toStdString(), row.text) << row.name;
        // The text itself, where the reader's focus lands on it, reads the same.
        EXPECT_EQ(textViewName.toStdString(), row.text) << row.name;
    }
}

TEST(AccessibleProgress, DescribesEachStepOfAGo) {
    BatchProgressDialog progress(nullptr);
    const auto description = [&] {
        return Accessible(&progress)->text(QAccessible::Description).toStdString();
    };
    EXPECT_EQ(description(), "Preparing to rename...");
    progress.SetProgress(3, 10);
    EXPECT_EQ(description(), "Renaming 3 of 10");
    progress.SetProgress(7, 10);
    EXPECT_EQ(description(), "Renaming 7 of 10");
    QTest::mouseClick(progress.findChild<QPushButton*>(QLatin1String(names::btnStop)), Qt::LeftButton);
    EXPECT_EQ(description(), "Stopping...");
}

} // namespace
