#pragma once

#include "platform/speechengine.h"

#include <QHash>
#include <QObject>

class QTextToSpeech;

// A speech engine on Qt's speech engines: for each language the first engine
// that works and offers a voice of it (flite speaks English offline; Swedish
// comes through speech-dispatcher and espeak-ng). An engine in an error
// state, such as speech-dispatcher's without its daemon, counts as none.
// Made and used in the speaker's own thread, where it may wait.
class QtSpeaker final : public QObject, public SpeechEngine {
public:
    QtSpeaker();

    bool hasVoice(SpeechLanguage language) override;
    void say(const QString &text, SpeechLanguage language) override;

private:
    QTextToSpeech *engineFor(SpeechLanguage language);

    QHash<int, QTextToSpeech *> m_engines; // by language; nullptr: none found
};
