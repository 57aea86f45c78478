#include "platform/lazyspeaker.h"

#include <QCoreApplication>
#include <QLibrary>

LazySpeaker::LazySpeaker() = default;
LazySpeaker::~LazySpeaker() = default;

Speaker *LazySpeaker::loaded()
{
    if (m_tried)
        return m_speaker.get();
    m_tried = true;
    // Installed beside the program's other files, or in a build beside the program.
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {programDir + QStringLiteral("/" ORDKVARNEN_SPEECH_DIR), programDir}) {
        QLibrary module(dir + QStringLiteral("/ordkvarnen_speech"));
        using Factory = Speaker *(*)();
        if (const auto create = reinterpret_cast<Factory>(module.resolve(SpeakerFactoryName))) {
            m_speaker.reset(create());
            break;
        }
    }
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
