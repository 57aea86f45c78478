#include "platform/lazyspeaker.h"

#include "platform/modules.h"

LazySpeaker::LazySpeaker() = default;
LazySpeaker::~LazySpeaker() = default;

Speaker *LazySpeaker::loaded()
{
    if (m_tried)
        return m_speaker.get();
    m_tried = true;
    using Factory = Speaker *(*)();
    if (const auto create = reinterpret_cast<Factory>(
            moduleFunction(QStringLiteral("ordkvarnen_speech"), SpeakerFactoryName)))
        m_speaker.reset(create());
    return m_speaker.get();
}

bool LazySpeaker::hasVoice(Language language)
{
    Speaker *speaker = loaded();
    return speaker && speaker->hasVoice(language);
}

void LazySpeaker::say(const QString &text, Language language)
{
    if (Speaker *speaker = loaded())
        speaker->say(text, language);
}
