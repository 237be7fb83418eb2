#pragma once

class QComboBox;

namespace mosalind {

// Keeps a closed drop-down list readable: whenever its current row's text is wider than
// the room the closed list has for it, the whole text becomes the list's tool tip, and
// the open list is made wide enough for its widest row. The laid-out side lists are far
// narrower than rows such as "1 - Blocking".
void KeepListTextReadable(QComboBox* list);

}  // namespace mosalind
