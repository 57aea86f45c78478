#pragma once

#include "platform/dialogs.h"

// The desktop's own boxes and dialogs: QMessageBox, QFileDialog, QColorDialog,
// and QPrintDialog through the print module.
class WidgetDialogs final : public Dialogs {
public:
    Answer message(const Message &message) override;
    std::optional<QString> openFile(const FileDialogRequest &request) override;
    std::optional<QString> saveFile(const FileDialogRequest &request) override;
    std::optional<ColorValue> chooseColor(const ColorRequest &request) override;
    bool print(const Printout &printout) override;
};

// "text|pattern|text|pattern" as the name filters of a Qt file dialog. A
// pattern "*.*" becomes "*": here "all files" includes names without a dot.
QStringList qtNameFilters(const QString &filter);
