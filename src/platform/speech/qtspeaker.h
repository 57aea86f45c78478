#pragma once

#include "platform/speaker.h"

#include <QHash>
#include <QObject>

class QTextToSpeech;

// A speaker on Qt's speech engines: for each language the first engine that
// works and offers a voice of it (flite speaks English offline; Swedish
// comes through speech-dispatcher and espeak-ng). An engine in an error
// state, such as speech-dispatcher's without its daemon, counts as none.
class QtSpeaker final : public QObject, public Speaker {
public:
    QtSpeaker();

    bool hasVoice(Language language) override;
    void say(const QString &text, Language language) override;

private:
    QTextToSpeech *engineFor(Language language);

    QHash<int, QTextToSpeech *> m_engines; // by language; nullptr: none found
};
