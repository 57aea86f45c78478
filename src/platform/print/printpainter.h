#pragma once

#include "platform/printout.h"

class QPagedPaintDevice;

// Lays out and paints a printout on device, page by page: each section from
// a new page with its heading, every page with the table's column titles, a
// row moved whole to the next page where it would not fit. Words wrap within
// their column and are never cut.
void paintPrintout(QPagedPaintDevice &device, const Printout &printout);
