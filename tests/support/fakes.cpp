#include "support/fakes.h"

#include <QFile>

QString logLine(const Message &message)
{
    QString line = QString(message.text).replace(u"\r\n"_s, u" | "_s);
    if (!message.title.isEmpty())
        line += u" ["_s + message.title + u']';
    if (message.buttons == Message::Buttons::YesNo)
        line += u" (Ja/Nej)"_s;
    else if (message.buttons == Message::Buttons::YesNoDefaultNo)
        line += u" (Ja/*Nej)"_s;
    return message.icon == Message::Icon::Critical ? u"(!) "_s + line : line;
}

Answer ScriptedDialogs::message(const Message &message)
{
    m_log << logLine(message);
    if (whileShown)
        whileShown(message);
    if (message.buttons == Message::Buttons::Ok)
        return Answer::Ok;
    return m_yesNo.isEmpty() ? Answer::No : m_yesNo.dequeue();
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest &request)
{
    m_log << u'<' + request.title + u'>';
    requests.append(request);
    return m_paths.isEmpty() ? std::nullopt : m_paths.dequeue();
}

std::optional<ColorValue> ScriptedDialogs::chooseColor(const ColorRequest &request)
{
    m_log << u"<%1 %2>"_s.arg(request.title).arg(request.start, 6, 16, QChar(u'0'));
    return m_colors.isEmpty() ? std::nullopt : m_colors.dequeue();
}

QString ScriptedDialogs::pendingReport() const
{
    const bool answersLeft = !m_yesNo.isEmpty() || !m_paths.isEmpty() || !m_colors.isEmpty();
    return (m_log.isEmpty() ? QString() : u"not looked at: "_s + m_log.join(u'\n')) +
           (answersLeft ? u"\nanswers left: a box or dialog did not come"_s : QString());
}

int ScriptedRandom::below(int bound)
{
    const int value = m_values.isEmpty() ? 0 : m_values.dequeue();
    return bound > 0 ? value % bound : 0;
}

QString render(const QList<WordPair> &pairs)
{
    QStringList rows;
    for (const WordPair &pair : pairs)
        rows.append(pair.swedish + u'=' + pair.english);
    return rows.join(u'|');
}

Pairs pairsOf(const QString &rendered)
{
    Pairs pairs;
    for (const QString &pair : rendered.split(u'|', Qt::SkipEmptyParts))
        pairs.append({pair.section(u'=', 0, 0), pair.section(u'=', 1)});
    return pairs;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
