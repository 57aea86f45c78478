#include "platform/speech/qtspeaker.h"

#include <QTest>
#include <QTextToSpeech>

// Qt's own speech module, as the program's speech module uses it: an English
// voice is there where a speech plugin is installed.
class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void englishVoiceFound()
    {
        if (QTextToSpeech::availableEngines().isEmpty())
            QSKIP("No Qt speech plugin is installed (qt6-speech-flite-plugin).");
        QtSpeaker speaker;
        QVERIFY(speaker.hasVoice(Speaker::Language::English));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
