#pragma once

// Object names of the main window's controls. The window sets them and the tests find the controls by
// them, so a control renamed in one place cannot silently be lost in the other.
namespace names {

inline constexpr char Form1[] = "Form1";

inline constexpr char Label1[] = "Label1";
inline constexpr char Label2[] = "Label2";
inline constexpr char Label3[] = "Label3";
inline constexpr char Label4[] = "Label4";
inline constexpr char Label5[] = "Label5";
inline constexpr char Label6[] = "Label6";
inline constexpr char imgBlob[] = "imgBlob";
inline constexpr char shlDir[] = "shlDir";
inline constexpr char memHid[] = "memHid";
inline constexpr char lstFiles[] = "lstFiles";
inline constexpr char grdNames[] = "grdNames";
inline constexpr char rdbRenamer[] = "rdbRenamer";
inline constexpr char rdbReplacer[] = "rdbReplacer";
inline constexpr char rdbDeleter[] = "rdbDeleter";
inline constexpr char edtDelete[] = "edtDelete";
inline constexpr char rdbManual[] = "rdbManual";
inline constexpr char btnCopyOver[] = "btnCopyOver";
inline constexpr char edtReplace[] = "edtReplace";
inline constexpr char edtWith[] = "edtWith";
inline constexpr char rdbAdd[] = "rdbAdd";
inline constexpr char edtBeg[] = "edtBeg";
inline constexpr char edtEnd[] = "edtEnd";
inline constexpr char edtPos[] = "edtPos";
inline constexpr char edtAfter[] = "edtAfter";
inline constexpr char btnCopy[] = "btnCopy";
inline constexpr char btnPaste[] = "btnPaste";
inline constexpr char Panel1[] = "Panel1";
inline constexpr char btnRefresh[] = "btnRefresh";
inline constexpr char btnView[] = "btnView";
inline constexpr char btnGo[] = "btnGo";
inline constexpr char btnHelp[] = "btnHelp";

// The progress dialog of a long Go and its Stop button.
inline constexpr char dlgProgress[] = "dlgProgress";
inline constexpr char btnStop[] = "btnStop";
// The indicator over the grid while a folder is read, and its Cancel button.
inline constexpr char pnlListing[] = "pnlListing";
inline constexpr char btnCancelListing[] = "btnCancelListing";
// The window's action "Undo last Go" (Ctrl+Z, and the grid's context menu).
inline constexpr char actUndoGo[] = "actUndoGo";

// The dynamic property of btnView that holds the preview state (0 or 1).
inline constexpr char Tag[] = "Tag";

} // namespace names
