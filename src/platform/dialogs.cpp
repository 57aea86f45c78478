#include "platform/dialogs.h"

void Dialogs::inform(const QString &text, const QString &title)
{
    message({text, title, Message::Buttons::Ok, Message::Icon::None});
}

bool Dialogs::askYesNo(const QString &text, const QString &title, Message::Icon icon)
{
    return message({text, title, Message::Buttons::YesNo, icon}) == Answer::Yes;
}

bool Dialogs::askYesNoDefaultNo(const QString &text, const QString &title)
{
    return message({text, title, Message::Buttons::YesNoDefaultNo, Message::Icon::None}) == Answer::Yes;
}

QString joinLines(const QString &first, const QString &second)
{
    return first + QStringLiteral("\r\n") + second;
}
