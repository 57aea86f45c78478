#include "platform/threadedspeaker.h"

#include <QMutex>
#include <QThread>

// Lives in the speech thread and owns the engine there.
class SpeechWorker final : public QObject {
    Q_OBJECT

public:
    explicit SpeechWorker(ThreadedSpeaker::EngineMaker makeEngine)
        : m_makeEngine(std::move(makeEngine))
    {
    }

    void run(quint64 number, const std::function<void(SpeechWorker &, SpeechEngine *)> &request)
    {
        emit taken(number);
        if (!m_made) {
            m_made = true;
            m_engine = m_makeEngine();
        }
        request(*this, m_engine.get()); // nullptr where there is no engine at all
    }

signals:
    void taken(quint64 number);
    void found(SpeechLanguage language, bool present);

private:
    ThreadedSpeaker::EngineMaker m_makeEngine;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_made = false;
};

namespace {
// Threads whose engine hung in the speech service when the program ended:
// kept where they can be found, as the process's end takes them (the list
// itself is never destroyed, so that they stay found to the very end).
QList<QThread *> &abandonedThreads()
{
    static auto *threads = new QList<QThread *>;
    return *threads;
}
QMutex abandonedLock;
} // namespace

ThreadedSpeaker::ThreadedSpeaker(EngineMaker makeEngine, std::chrono::milliseconds patience)
    : m_makeEngine(std::move(makeEngine))
{
    m_patience.setSingleShot(true);
    m_patience.setInterval(patience);
    connect(&m_patience, &QTimer::timeout, this, &ThreadedSpeaker::checkAnswering);
}

ThreadedSpeaker::~ThreadedSpeaker()
{
    if (!m_thread)
        return;
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(300))) {
        delete m_thread; // the worker went with the thread's end
        return;
    }
    disconnect(m_worker, nullptr, this, nullptr);
    const QMutexLocker lock(&abandonedLock);
    abandonedThreads().append(m_thread);
}

Speaker::Voice ThreadedSpeaker::voice(Language language) const
{
    return m_answering ? m_voices[int(language)] : Voice::NotAnswering;
}

void ThreadedSpeaker::findVoice(Language language)
{
    if (m_asked[int(language)] || !m_answering)
        return;
    m_asked[int(language)] = true;
    post([language](SpeechWorker &worker, SpeechEngine *engine) {
        // Runs in the speech thread: only the worker's signal reaches back.
        emit worker.found(language, engine && engine->hasVoice(language));
    });
}

void ThreadedSpeaker::say(const QString &text, Language language)
{
    const Voice known = voice(language);
    if (known == Voice::Missing || known == Voice::NotAnswering)
        return;
    findVoice(language);
    post([text, language](SpeechWorker &, SpeechEngine *engine) {
        if (engine && engine->hasVoice(language))
            engine->say(text, language);
    });
}

void ThreadedSpeaker::post(std::function<void(SpeechWorker &, SpeechEngine *)> request)
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_worker = new SpeechWorker(m_makeEngine);
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        connect(m_worker, &SpeechWorker::taken, this, &ThreadedSpeaker::taken, Qt::QueuedConnection);
        connect(m_worker, &SpeechWorker::found, this, &ThreadedSpeaker::found, Qt::QueuedConnection);
        m_thread->start();
    }
    const quint64 number = ++m_posted;
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, number, request = std::move(request)] { worker->run(number, request); },
        Qt::QueuedConnection);
    if (!m_patience.isActive()) {
        m_awaited = number;
        m_patience.start();
    }
}

void ThreadedSpeaker::taken(quint64 number)
{
    m_taken = number;
    if (m_taken >= m_posted)
        m_patience.stop();
}

void ThreadedSpeaker::checkAnswering()
{
    if (m_taken < m_awaited) {
        m_answering = false;
        emit voicesChanged();
    } else if (m_taken < m_posted) {
        m_awaited = m_posted;
        m_patience.start();
    }
}

void ThreadedSpeaker::found(Language language, bool present)
{
    m_voices[int(language)] = present ? Voice::Present : Voice::Missing;
    emit voicesChanged();
}

#include "threadedspeaker.moc"
