#include "platform/speech/qtspeaker.h"

#include "platform/lazyspeaker.h"

#include <QTextToSpeech>

QtSpeaker::QtSpeaker() = default;

QTextToSpeech *QtSpeaker::engineFor(Language language)
{
    const int key = int(language);
    if (m_engines.contains(key))
        return m_engines.value(key);
    const QLocale::Language wanted = language == Language::Swedish ? QLocale::Swedish : QLocale::English;
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

bool QtSpeaker::hasVoice(Language language)
{
    return engineFor(language) != nullptr;
}

void QtSpeaker::say(const QString &text, Language language)
{
    if (QTextToSpeech *engine = engineFor(language))
        engine->say(text);
}

extern "C" Q_DECL_EXPORT Speaker *ordkvarnen_create_speaker()
{
    return new QtSpeaker;
}
