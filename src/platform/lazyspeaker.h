#pragma once

#include "platform/speaker.h"

#include <memory>

// The desktop's speaker: on first use it loads the program's speech module
// (Qt TextToSpeech behind it) and hands every request to it. Where the module
// or Qt's speech library is missing there is no voice at all, and no error.
class LazySpeaker final : public Speaker {
public:
    LazySpeaker();
    ~LazySpeaker() override;

    bool hasVoice(Language language) override;
    void say(const QString &text, Language language) override;

private:
    Speaker *loaded();

    bool m_tried = false;
    std::unique_ptr<Speaker> m_speaker;
};

// The name the speech module gives its factory, which returns a new Speaker.
inline constexpr char SpeakerFactoryName[] = "ordkvarnen_create_speaker";
