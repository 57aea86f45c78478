#pragma once

#include "platform/threadedspeaker.h"

// The desktop's speaker: its engine comes from the program's speech module
// (Qt TextToSpeech behind it), loaded in the speech thread on first use.
// Where the module or Qt's speech library is missing there is no voice at
// all, and no error.
class LazySpeaker final : public ThreadedSpeaker {
    Q_OBJECT

public:
    LazySpeaker();
};
