#pragma once

#include "platform/colorvalue.h"
#include "platform/printout.h"

#include <QString>

#include <optional>

// Every modal element of the program goes through this interface: the
// desktop implementation shows real boxes and dialogs, tests script them.

struct Message {
    // YesNoDefaultNo: Enter answers "Nej", for a question whose "Ja" throws something away.
    enum class Buttons { Ok, YesNo, YesNoDefaultNo };
    enum class Icon { None, Critical };

    QString text;  // lines joined by "\r\n"
    QString title; // empty: the application's title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;

    friend bool operator==(const Message &, const Message &) = default;
};

enum class Answer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;                  // "text|pattern|text|pattern"
    bool confirmReplace = false;     // save: ask before replacing a file
    bool mustExist = false;          // open: only an existing file may be chosen
    bool typeGivesExtension = false; // save: a name without one gets the chosen type's

    friend bool operator==(const FileDialogRequest &, const FileDialogRequest &) = default;
};

struct ColorRequest {
    QString title;
    ColorValue start = 0;

    friend bool operator==(const ColorRequest &, const ColorRequest &) = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer message(const Message &message) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest &request) = 0;
    // The chosen plain colour (0x00BBGGRR), or nothing when the user cancels.
    virtual std::optional<ColorValue> chooseColor(const ColorRequest &request) = 0;
    // The print dialog (which also prints to a PDF file), then the printout
    // on what was chosen there; false when the user cancels.
    virtual bool print(const Printout &printout) = 0;

    // Shorthands for the common boxes.
    void inform(const QString &text, const QString &title = {});
    bool askYesNo(const QString &text, const QString &title = {}, Message::Icon icon = Message::Icon::None);
    // The same with "Nej" as the default button.
    bool askYesNoDefaultNo(const QString &text, const QString &title = {});
};

// Joins message lines the way every box of the program does.
QString joinLines(const QString &first, const QString &second);

inline const QString ApplicationTitle = QStringLiteral("Ordkvarnen");
