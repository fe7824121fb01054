#pragma once

// Object names of the Rules dialog's controls, used by the dialog and by its tests.
namespace rulesnames {

inline constexpr char dlgRules[] = "dlgRules";
// The saved recipes.
inline constexpr char cmbRecipes[] = "cmbRecipes";
inline constexpr char btnSaveRecipe[] = "btnSaveRecipe";
inline constexpr char btnDeleteRecipe[] = "btnDeleteRecipe";
// The steps and what is done with them.
inline constexpr char lstSteps[] = "lstSteps";
inline constexpr char btnAddReplace[] = "btnAddReplace";
inline constexpr char btnAddCase[] = "btnAddCase";
inline constexpr char btnAddInsert[] = "btnAddInsert";
inline constexpr char btnAddRemove[] = "btnAddRemove";
inline constexpr char btnEditStep[] = "btnEditStep";
inline constexpr char btnRemoveStep[] = "btnRemoveStep";
inline constexpr char btnStepUp[] = "btnStepUp";
inline constexpr char btnStepDown[] = "btnStepDown";
// The selected step's fields.
inline constexpr char cmbScope[] = "cmbScope";
inline constexpr char edtFind[] = "edtFind";
inline constexpr char edtWith[] = "edtWith";
inline constexpr char chkRegex[] = "chkRegex";
inline constexpr char chkIgnoreCase[] = "chkIgnoreCase";
inline constexpr char chkAll[] = "chkAll";
inline constexpr char cmbCase[] = "cmbCase";
inline constexpr char edtText[] = "edtText";
inline constexpr char cmbAt[] = "cmbAt";
inline constexpr char spnAt[] = "spnAt";
inline constexpr char spnFrom[] = "spnFrom";
inline constexpr char spnCount[] = "spnCount";
inline constexpr char chkFromEnd[] = "chkFromEnd";
// The counter.
inline constexpr char spnStart[] = "spnStart";
inline constexpr char spnStep[] = "spnStep";
inline constexpr char spnWidth[] = "spnWidth";
inline constexpr char cmbOrder[] = "cmbOrder";
// The preview, its state line, and the two buttons.
inline constexpr char grdPreview[] = "grdPreview";
inline constexpr char lblStatus[] = "lblStatus";
// Beside the state line while the files are read: stops reading them.
inline constexpr char btnStopReading[] = "btnStopReading";
inline constexpr char btnApply[] = "btnApply";
inline constexpr char btnCancel[] = "btnCancel";
// The window's action that opens the dialog (Ctrl+R, and the grid's context menu).
inline constexpr char actRules[] = "actRules";

} // namespace rulesnames
