#pragma once

#include "platform/speechengine.h"

#include <QObject>

// Says words aloud without ever making the caller wait: the desktop's
// speaker runs the speech engine in a thread of its own, loaded the first
// time it is asked anything; tests script a fake.
class Speaker : public QObject {
    Q_OBJECT

public:
    using Language = SpeechLanguage;
    // What is known of a language's voice now.
    enum class Voice {
        Unknown,      // not asked yet, or the answer is on its way
        Present,      // a voice can say words of the language
        Missing,      // none
        NotAnswering, // the speech engine stopped answering: no voice for the rest of the run
    };

    virtual Voice voice(Language language) const = 0;
    // Starts finding out whether the language has a voice, once per run;
    // voicesChanged() tells when the answer is in.
    virtual void findVoice(Language language) = 0;
    // Says text in the language's voice; nothing where there is none.
    virtual void say(const QString &text, Language language) = 0;

signals:
    void voicesChanged();
};
