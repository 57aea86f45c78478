#pragma once

class QWidget;

// What a screen reader and the keyboard need from a window, worked out from
// the window's own controls when it is shown.

// Gives the window and every control a name and a description. Buttons,
// check boxes, option buttons, frames and menus are named by their captions;
// a text box, list or grid by the caption label beside or above it (a label
// ending in ':'), else by its tooltip, else, when it fills the window, by the
// window's caption. The description is the tooltip, or the name when there
// is no tooltip. Names and descriptions set by the window itself are kept.
void describeControls(QWidget *window);

// Orders the Tab key through the window's controls as a reader reads them:
// a control before those wholly below it and before those to its right on
// the same height, and everything inside a frame before what follows the
// frame. Hidden controls keep their place for when they are shown.
void orderTabsByReading(QWidget *window);
