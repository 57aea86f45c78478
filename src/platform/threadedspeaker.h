#pragma once

#include "platform/speaker.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QThread;
class SpeechWorker;

// The speaker of the program: a speech engine in a thread of its own, made
// there on the first request. The caller never waits on it: requests are
// posted, answers come back as signals. A request the engine has not taken
// up within the patience marks speech as not answering for the rest of the
// run, and ending the program waits for the thread only a moment.
class ThreadedSpeaker : public Speaker {
    Q_OBJECT

public:
    using EngineMaker = std::function<std::unique_ptr<SpeechEngine>()>;

    explicit ThreadedSpeaker(EngineMaker makeEngine,
                             std::chrono::milliseconds patience = std::chrono::milliseconds(2000));
    ~ThreadedSpeaker() override;

    Voice voice(Language language) const override;
    void findVoice(Language language) override;
    void say(const QString &text, Language language) override;

private:
    void post(std::function<void(SpeechWorker &, SpeechEngine *)> request);
    void taken(quint64 number);
    void found(Language language, bool present);
    void checkAnswering();

    EngineMaker m_makeEngine;
    QThread *m_thread = nullptr; // started on the first request
    SpeechWorker *m_worker = nullptr;
    QTimer m_patience;
    quint64 m_posted = 0, m_taken = 0, m_awaited = 0;
    bool m_answering = true;
    Voice m_voices[2] = {Voice::Unknown, Voice::Unknown};
    bool m_asked[2] = {false, false};
};
