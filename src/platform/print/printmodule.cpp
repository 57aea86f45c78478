// The print module: Qt's print dialog, then the printout on the printer or
// PDF file chosen there. Loaded the first time a list is printed.
#include "platform/print/printpainter.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool ordkvarnen_print(const Printout &printout, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printout.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(printout.title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paintPrintout(printer, printout);
    return true;
}
