// The 編集 menu's commands on the selection and the clipboard: 切り取り (Ctrl+X), コピー (Ctrl+C),
// 貼り付け (Ctrl+V) and 削除 (Delete). Copy takes all three layers of the selected cells, hidden
// ones too, as the map file holds them; cut and delete empty the shown layers, and a stamp of
// the pasted block writes only into them. The menu greys each item when it cannot act.
#pragma once

// The selection's block on the clipboard; nothing without a selection.
void CopySelection();
// Copied, then emptied (one undo step).
void CutSelection();
// Emptied (one undo step).
void DeleteSelection();
// The clipboard's block follows the pointer over the view, stamped by each left click, until
// the right button, Escape or another tool ends it. Nothing when the clipboard holds no block.
void StartPaste();
