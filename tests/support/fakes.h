#pragma once

#include "app/wordlist.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/speaker.h"

#include <QList>
#include <QQueue>
#include <QTest>

#include <functional>

// Records every modal element the program shows and answers each from a
// queue. A test takes the recorded messages and compares them; whatever is
// left over (a message nobody took, an answer nobody used) is reported by
// pendingReport(), which fixtures check in cleanup().
class ScriptedDialogs final : public Dialogs {
public:
    Answer message(const Message &message) override;
    std::optional<QString> openFile(const FileDialogRequest &request) override;
    std::optional<QString> saveFile(const FileDialogRequest &request) override { return openFile(request); }
    std::optional<ColorValue> chooseColor(const ColorRequest &request) override;
    // Records the printout and cancels the dialog.
    bool print(const Printout &printout) override
    {
        printouts.append(printout);
        return false;
    }
    QList<Printout> printouts;

    // Answers, used in order by the next boxes or dialogs of their kind. A
    // Yes/No box with no queued answer gets No; OK boxes need no answer and
    // never take one meant for a question; a file or colour dialog with no
    // queued answer is cancelled.
    void answerYesNo(Answer answer) { m_yesNo.enqueue(answer); }
    void choosePath(const std::optional<QString> &path) { m_paths.enqueue(path); }
    void chooseColor(const std::optional<ColorValue> &color) { m_colors.enqueue(color); }

    // Runs while each message is on show, to look at the windows behind it.
    std::function<void(const Message &)> whileShown;

    QList<Message> takeMessages() { return std::exchange(m_messages, {}); }
    QList<FileDialogRequest> takeFileRequests() { return std::exchange(m_fileRequests, {}); }
    QList<ColorRequest> takeColorRequests() { return std::exchange(m_colorRequests, {}); }

    // Empty when every recorded call was taken and every answer used.
    QString pendingReport() const;

private:
    QList<Message> m_messages;
    QList<FileDialogRequest> m_fileRequests;
    QList<ColorRequest> m_colorRequests;
    QQueue<Answer> m_yesNo;
    QQueue<std::optional<QString>> m_paths;
    QQueue<std::optional<ColorValue>> m_colors;
};

// The message boxes the program shows most: OK only, no icon.
Message okBox(const QString &text, const QString &title = {});
Message yesNoBox(const QString &text, const QString &title = {}, Message::Icon icon = Message::Icon::None);

class FakeClock final : public Clock {
public:
    QTime now() const override { return time; }
    QTime time{13, 5, 9};
};

// Answers below() from a queue of values (each taken modulo the bound);
// an empty queue answers 0.
class ScriptedRandom final : public RandomSource {
public:
    int below(int bound) override;
    void push(std::initializer_list<int> values);

private:
    QQueue<int> m_values;
};

// Records what would be said, as "sv:word" or "en:word", in the voices it has.
class FakeSpeaker final : public Speaker {
public:
    bool hasVoice(Language language) override { return voices.contains(language); }
    void say(const QString &text, Language language) override
    {
        said << (language == Language::Swedish ? QStringLiteral("sv:") : QStringLiteral("en:")) + text;
    }

    QList<Language> voices{Language::Swedish, Language::English};
    QStringList said;
};

// The pairs as one line: "sv=en|…".
QString render(const QList<WordPair> &pairs);
// Whether bytes became the whole file at path.
bool writeBytes(const QString &path, const QByteArray &bytes);

// How a message reads in a failing comparison.
QString describe(const Message &message);
char *toString(const Message &message);

// Fails the calling test when a message was shown that the test did not check,
// or a scripted answer was never asked for.
#define VERIFY_NO_PENDING_DIALOGS(dialogs)                                                                   \
    QVERIFY2((dialogs).pendingReport().isEmpty(), qPrintable((dialogs).pendingReport()))
