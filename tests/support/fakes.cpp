#include "support/fakes.h"

#include <QFile>

using namespace Qt::StringLiterals;

Answer ScriptedDialogs::message(const Message &message)
{
    m_messages.append(message);
    if (whileShown)
        whileShown(message);
    if (message.buttons == Message::Buttons::Ok)
        return Answer::Ok;
    return m_yesNo.isEmpty() ? Answer::No : m_yesNo.dequeue();
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest &request)
{
    m_fileRequests.append(request);
    return m_paths.isEmpty() ? std::nullopt : m_paths.dequeue();
}

std::optional<ColorValue> ScriptedDialogs::chooseColor(const ColorRequest &request)
{
    m_colorRequests.append(request);
    return m_colors.isEmpty() ? std::nullopt : m_colors.dequeue();
}

QString ScriptedDialogs::pendingReport() const
{
    QStringList report;
    for (const Message &message : m_messages)
        report << u"unchecked message: %1"_s.arg(describe(message));
    if (!m_fileRequests.isEmpty())
        report << u"%1 unchecked file dialog(s)"_s.arg(m_fileRequests.size());
    if (!printouts.isEmpty())
        report << u"%1 unchecked print dialog(s)"_s.arg(printouts.size());
    if (!m_colorRequests.isEmpty())
        report << u"%1 unchecked colour dialog(s)"_s.arg(m_colorRequests.size());
    if (!m_yesNo.isEmpty())
        report << u"%1 unused answer(s): a question did not come"_s.arg(m_yesNo.size());
    if (!m_paths.isEmpty() || !m_colors.isEmpty())
        report << u"unused dialog answers: a dialog did not come"_s;
    return report.join(u'\n');
}

Message okBox(const QString &text, const QString &title)
{
    return {text, title, Message::Buttons::Ok, Message::Icon::None};
}

Message yesNoBox(const QString &text, const QString &title, Message::Icon icon)
{
    return {text, title, Message::Buttons::YesNo, icon};
}

int ScriptedRandom::below(int bound)
{
    const int value = m_values.isEmpty() ? 0 : m_values.dequeue();
    return bound > 0 ? value % bound : 0;
}

void ScriptedRandom::push(std::initializer_list<int> values)
{
    for (int value : values)
        m_values.enqueue(value);
}

QString describe(const Message &message)
{
    return u"{text \"%1\", title \"%2\", %3, %4}"_s.arg(
        QString(message.text).replace(u"\r\n"_s, u"\\r\\n"_s), message.title,
        message.buttons == Message::Buttons::Ok ? u"Ok"_s : u"YesNo"_s,
        message.icon == Message::Icon::None ? u"no icon"_s : u"critical"_s);
}

char *toString(const Message &message)
{
    return qstrdup(describe(message).toUtf8().constData());
}

QString render(const QList<WordPair> &pairs)
{
    QStringList rows;
    for (const WordPair &pair : pairs)
        rows.append(pair.swedish + u'=' + pair.english);
    return rows.join(u'|');
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
