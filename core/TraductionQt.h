#pragma once

// Qt's own texts in French: the buttons of the standard dialogs, the context menus of the fields.
// Loading them is no part of painting the menu, so the menu installs them once it is painted;
// a standard dialog shown before that (a warning at start) installs them first. Once is enough:
// later calls return at once.
void InstallerTraductionQt();
