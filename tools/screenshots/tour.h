#pragma once

#include <QString>

#include <functional>

class QWidget;
class TestProgram;

// The fixed look of the program's pictures: the Fusion style and its own
// palette, with the DejaVu Sans font from its file, so that a window renders
// the same on every machine with that font package. False, after saying
// which font file is missing, when it cannot be had.
bool useFixedLook();

// Starts the program and takes it through every window and page, handing
// each to shoot(name, window) as a user meets it.
void tourWindows(TestProgram &t, const std::function<void(const QString &name, QWidget *window)> &shoot);
