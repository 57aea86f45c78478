#pragma once

#include <QString>

enum class SpeechLanguage { Swedish, English };

// A speech engine as the speech module makes it: it may wait on the speech
// service as long as that takes, so only the speaker's own thread calls it.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // Whether a voice for the language is there.
    virtual bool hasVoice(SpeechLanguage language) = 0;
    // Says text in the language's voice; nothing where there is none.
    virtual void say(const QString &text, SpeechLanguage language) = 0;
};

// The name the speech module gives its factory, which returns a new SpeechEngine.
inline constexpr char SpeechEngineFactoryName[] = "ordkvarnen_create_speech_engine";
