#pragma once

#include "core/appstate.h"
#include "core/optionsstate.h"
#include "core/practicestate.h"
#include "core/store.h"
#include "core/wordlist.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fixedpaths.h"
#include "platform/random.h"
#include "platform/speaker.h"

#include <QObject>

#include <functional>

// What the program takes from the desktop; tests hand in fakes.
struct Services {
    Dialogs &dialogs;
    const Clock &clock;
    RandomSource &random;
    const FixedPaths &paths;
    Speaker &speaker;
    Store &store;
    std::function<void()> quit;
};

// One run of the program: the word list, the settings, the practice and
// options records and the services. Every window is handed the session; the
// list has this one owner, and whoever shows it follows listChanged().
class Session final : public QObject {
    Q_OBJECT

public:
    explicit Session(Services services);

    AppState state;
    PracticeState practice;         // outlives every reload of the practice window
    OptionsState options;           // outlives every reload of the options window
    bool reviewProblemTold = false; // a store that cannot take answers is told of once per run

    const WordList &list() const { return m_list; }
    int wordCount() const { return m_list.count(); }
    // A list typed, changed or cleared here.
    void setList(const WordList &list);
    // A list just read from a word file: nothing in it is unsaved.
    void setOpenedList(const WordList &list);
    // False, with the list unchanged, when the pairs do not fit. One
    // listChanged() however many pairs come.
    bool appendPairs(const QList<WordPair> &pairs);
    bool appendPair(const WordPair &pair) { return appendPairs({pair}); }

    // Whether the list holds pairs that were typed, imported, appended or
    // changed since it was last saved or opened.
    bool hasUnsavedPairs() const { return m_unsaved && m_list.count() > 0; }
    // The list was written to a word file.
    void markSaved()
    {
        m_unsaved = false;
        emit savedChanged();
    }
    // The word file the list was last opened from or saved to; empty: none.
    const QString &wordFile() const { return m_wordFile; }
    void setWordFile(const QString &path) { m_wordFile = path; }

    Dialogs &dialogs() const { return m_services.dialogs; }
    const Clock &clock() const { return m_services.clock; }
    RandomSource &random() const { return m_services.random; }
    const FixedPaths &paths() const { return m_services.paths; }
    Speaker &speaker() const { return m_services.speaker; }
    Store &store() const { return m_services.store; }
    void quit() const { m_services.quit(); }

signals:
    void listChanged();
    void savedChanged();
    // What the store remembers of the pairs changed: an answer, or pairs forgotten.
    void progressChanged();

private:
    Services m_services;
    WordList m_list;
    bool m_unsaved = false;
    QString m_wordFile;
};
