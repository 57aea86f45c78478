#pragma once

#include "core/wordlist.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/speaker.h"

#include <QQueue>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;
using Pairs = QList<WordPair>;

// A box as one line of a log: its text (line breaks as " | "), then its title in brackets, "(Ja/Nej)" for a
// question ("(Ja/*Nej)" when "Nej" is the default); "(!) " first when it is critical.
QString logLine(const Message &message);

// Logs every modal element shown, in order, and answers each from a queue: a question with none queued gets
// No, an OK box takes none, a file or colour dialog with none queued is cancelled, a print dialog is
// cancelled. Dialogs log as "<title>"; file dialogs keep their requests.
class ScriptedDialogs final : public Dialogs {
public:
    Answer message(const Message &message) override;
    std::optional<QString> openFile(const FileDialogRequest &request) override;
    std::optional<QString> saveFile(const FileDialogRequest &request) override { return openFile(request); }
    std::optional<ColorValue> chooseColor(const ColorRequest &request) override;
    bool print(const Printout &printout) override { return m_log << u'<' + printout.title + u'>', false; }

    void answerYesNo(Answer answer) { m_yesNo.enqueue(answer); }
    void choosePath(const std::optional<QString> &path) { m_paths.enqueue(path); }
    void chooseColor(const std::optional<ColorValue> &color) { m_colors.enqueue(color); }
    // Runs while each box is on show, to look at the windows behind it.
    std::function<void(const Message &)> whileShown;

    QString takeLog() { return std::exchange(m_log, {}).join(u'\n'); }
    QList<FileDialogRequest> requests;
    // Empty when the log was taken and every answer used.
    QString pendingReport() const;

private:
    QStringList m_log;
    QQueue<Answer> m_yesNo;
    QQueue<std::optional<QString>> m_paths;
    QQueue<std::optional<ColorValue>> m_colors;
};

class FakeClock final : public Clock {
public:
    QTime now() const override { return time; }
    QDateTime moment() const override { return QDateTime(date, time); }
    QTime time{13, 5, 9};
    QDate date{2026, 12, 7};
};

// Answers below() from a queue of values, each taken modulo the bound; 0 when empty.
class ScriptedRandom final : public RandomSource {
public:
    int below(int bound) override;
    void push(const QList<int> &values) { m_values.append(values); }

private:
    QQueue<int> m_values;
};

// Knows nothing of a language's voice until asked, then answers at once from answers (a voice for both
// languages unless a test says otherwise); records what would be said, as "sv:word" or "en:word".
class FakeSpeaker final : public Speaker {
public:
    Voice voice(Language language) const override { return m_voices[int(language)]; }
    void findVoice(Language language) override
    {
        m_voices[int(language)] = answers[int(language)];
        if (answers[int(language)] == Voice::NotAnswering) // for every language at once
            m_voices[0] = m_voices[1] = Voice::NotAnswering;
        emit voicesChanged();
    }
    void say(const QString &text, Language language) override
    {
        if (voice(language) != Voice::Missing && voice(language) != Voice::NotAnswering)
            said << (language == Language::Swedish ? u"sv:"_s : u"en:"_s) + text;
    }
    Voice answers[2] = {Voice::Present, Voice::Present}; // Swedish, English
    QStringList said;

private:
    Voice m_voices[2] = {Voice::Unknown, Voice::Unknown};
};

// The pairs as one line, "sv=en|…", and back.
QString render(const QList<WordPair> &pairs);
Pairs pairsOf(const QString &rendered);
bool writeBytes(const QString &path, const QByteArray &bytes);
QByteArray readBytes(const QString &path);

// The row of most tables: what is given (steps, bytes, text) and what then shows.
struct Scenario {
    const char *name;
    QString given, shown;
};

// Table-driven tests: one struct per row, whose first member names the row.
template <class Row> void addRows(const QList<Row> &rows)
{
    QTest::addColumn<Row>("row");
    for (const Row &row : rows)
        QTest::newRow(QByteArray(row.name).constData()) << row;
}

// First in the body of a loop over a table's rows: a check that fails there names the row.
#define NAME_ROW_ON_FAILURE(row)                                                                             \
    const auto rowNamer = qScopeGuard([&row] {                                                               \
        if (QTest::currentTestFailed())                                                                      \
            qWarning("in row \"%s\"", (row).name);                                                           \
    })

#define VERIFY_NO_PENDING_DIALOGS(dialogs)                                                                   \
    QVERIFY2((dialogs).pendingReport().isEmpty(), qPrintable((dialogs).pendingReport()))
