#pragma once

#include <QString>

// Says words aloud. The desktop's speaker loads Qt's speech module the first
// time it is asked anything, so that start-up never pays for it; tests
// script a fake.
class Speaker {
public:
    enum class Language { Swedish, English };

    virtual ~Speaker() = default;

    // Whether a voice for the language is there.
    virtual bool hasVoice(Language language) = 0;
    // Says text in the language's voice; nothing where there is none.
    virtual void say(const QString &text, Language language) = 0;
};
