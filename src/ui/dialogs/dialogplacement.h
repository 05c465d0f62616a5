#pragma once

class QWidget;

// Moves a dialog so that its centre lies on the centre of its parent's window.
// A dialog without a parent stays where it is.
void centreOverParent(QWidget *dialog);
