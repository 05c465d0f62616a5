#pragma once

class QWidget;

// Moves a dialog so that its centre lies on the centre of its parent's window.
// A dialog without a parent stays where it is.
void centreOverParent(QWidget *dialog);

// Widens a small dialog about to be shown to what its title bar needs to show the whole title (a
// translated title may be wider than the dialog's contents; the window system elides it). Its
// layout's minimum stays as it is.
void makeRoomForTitle(QWidget *dialog);
