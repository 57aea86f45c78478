#pragma once

#include "platform/printout.h"

class QPagedPaintDevice;

// Lays out and paints a printout on device, page by page, within margins of
// 15 mm: each section from a new page with its heading, every page with the
// table's column titles, a row moved whole to the next page where it would
// not fit, and "Sida 1 av 8" under every page of a printout longer than one.
// Lines break between words, inside a word only where it alone is wider than
// its column; nothing is cut.
void paintPrintout(QPagedPaintDevice &device, const Printout &printout);
