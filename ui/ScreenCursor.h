#pragma once

#include <Qt>

// The application-wide cursor: while it is set, every window of the program shows it in place of
// its controls' own cursors. It is one setting, changed in place, never stacked.
void SetScreenCursor(Qt::CursorShape shape);
// Back to the default, where every window and control shows its own cursor.
void SetDefaultScreenCursor();
