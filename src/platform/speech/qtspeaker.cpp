#include "platform/speech/qtspeaker.h"

#include <QTextToSpeech>

QtSpeaker::QtSpeaker() = default;

QTextToSpeech *QtSpeaker::engineFor(SpeechLanguage language)
{
    const int key = int(language);
    if (m_engines.contains(key))
        return m_engines.value(key);
    const QLocale::Language wanted =
        language == SpeechLanguage::Swedish ? QLocale::Swedish : QLocale::English;
    QTextToSpeech *found = nullptr;
    for (const QString &name : QTextToSpeech::availableEngines()) {
        auto *engine = new QTextToSpeech(name, this);
        for (const QLocale &locale : engine->availableLocales()) {
            if (engine->state() != QTextToSpeech::Error && locale.language() == wanted && !found) {
                engine->setLocale(locale);
                found = engine;
            }
        }
        if (found)
            break;
        delete engine;
    }
    if (found && found->availableVoices().isEmpty())
        found = nullptr;
    m_engines.insert(key, found);
    return found;
}

bool QtSpeaker::hasVoice(SpeechLanguage language)
{
    return engineFor(language) != nullptr;
}

void QtSpeaker::say(const QString &text, SpeechLanguage language)
{
    if (QTextToSpeech *engine = engineFor(language))
        engine->say(text);
}

extern "C" Q_DECL_EXPORT SpeechEngine *ordkvarnen_create_speech_engine()
{
    return new QtSpeaker;
}
