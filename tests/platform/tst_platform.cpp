#include "platform/fixedpaths.h"
#include "platform/threadedspeaker.h"
#include "platform/widgetdialogs.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QSemaphore>
#include <QTimer>

namespace {
// Runs look on the modal dialog that the next call opens.
template <class Dialog> void whileOpen(const std::function<void(Dialog *)> &look)
{
    QTimer::singleShot(0, [look] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
            look(dialog);
    });
}

// An engine with an English voice only; with a gate, each answer waits for it (a speech service that hangs).
struct FakeEngine final : SpeechEngine {
    FakeEngine(std::shared_ptr<QSemaphore> gate, QStringList *said)
        : gate(std::move(gate))
        , said(said)
    {
    }
    std::shared_ptr<QSemaphore> gate;
    QStringList *said;
    bool hasVoice(SpeechLanguage language) override
    {
        if (gate)
            gate->acquire();
        return language == SpeechLanguage::English;
    }
    void say(const QString &text, SpeechLanguage) override
    {
        if (said)
            *said << text;
    }
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // The files under the data folders u (the user's), 1 and 2 (the system's), then the path; where it is
    // (missing: the user's place, in the case of its existing folders). Folders that differ only in case
    // are one place: the one below which more of the path exists, else the first by code point.
    void windowsPathsBecomePlaces()
    {
        for (const Scenario &row : QList<Scenario>{
                 {"any case", "u/Spel/glos.txt D:\\SPEL\\GLOS.TXT", "u/Spel/glos.txt"},
                 {"user first", "1/Spel/glos.txt u/Spel/glos.txt D:\\Spel\\glos.txt", "u/Spel/glos.txt"},
                 {"system if the user lacks it", "u/Spel/a 2/Spel/glos.txt D:\\Spel\\glos.txt",
                  "2/Spel/glos.txt"},
                 {"missing", "u/SPEL/a 1/Spel/a D:\\Spel\\Vrak\\glos.txt", "u/SPEL/Vrak/glos.txt"},
                 {"under the other spelling",
                  "u/Spel/glos.txt u/SPEL/Glosor/Trevian.gls D:\\Spel\\Glosor\\Trevian.gls",
                  "u/SPEL/Glosor/Trevian.gls"},
                 {"deeper folder", "u/Spel/Glosor/a u/SPEL/b D:\\SPEL\\GLOSOR\\Lumba.gls",
                  "u/Spel/Glosor/Lumba.gls"},
                 {"equally deep", "u/spel/a u/Spel/b D:\\spel\\x", "u/Spel/x"},
                 {"no drive", "u/Spel/glos.txt Spel\\glos.txt", "u/Spel/glos.txt"},
                 {"up and out", "D:\\Spel\\..\\..\\..\\etc\\passwd", "u/etc/passwd"},
             }) {
            const QTemporaryDir root;
            const auto place = [&root](QString where) {
                return root.path() + u'/' + where.insert(1, u"/ordkvarnen/drive_d"_s);
            };
            const FixedPaths paths(root.path() + u"/u"_s, {root.path() + u"/1"_s, root.path() + u"/2"_s});
            QStringList given = row.given.split(u' ');
            const QString path = given.takeLast();
            for (const QString &where : given)
                QVERIFY(QDir().mkpath(QFileInfo(place(where)).path()) && writeBytes(place(where), {}));
            QCOMPARE(paths.forReading(path), place(row.shown));
            const QString written = paths.forWriting(path); // the user's place, its folders made
            QVERIFY(written == place(u'u' + row.shown.mid(1)) && QFileInfo(written).dir().exists());
        }
    }

    void messageBoxes()
    {
        const QString cheat =
            u"Rätt svar är:\r\n"_s + u"abcdefghijklmnopqrstuvwxyzåäö"_s.repeated(7).left(201);
        for (const Scenario &row : QList<Scenario>{
                 {"no title", u"|rad 1\r\nrad 2"_s, "Ordkvarnen|rad 1\nrad 2|0|OK|fits"},
                 {"a critical question", u"Fråga|Ta <b>bort</b>?"_s, "Fråga|Ta <b>bort</b>?|3|&Ja &Nej|fits"},
                 {"long answer", u"FUSK|"_s + cheat,
                  "FUSK|" + QString(cheat).replace("\r\n", "\n") + "|0|OK|fits"}}) {
            QString shown;
            whileOpen<QMessageBox>([&shown](QMessageBox *box) {
                auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
                QStringList buttons;
                for (QAbstractButton *button : box->buttons())
                    buttons << button->text();
                buttons.sort();
                shown = QStringList{box->windowTitle(), label->text().remove(u'\u200B'),
                                    QString::number(box->icon()), buttons.join(u' '),
                                    showsWhole(label) ? u"fits"_s : u"cut"_s}
                            .join(u'|');
                box->buttons().constFirst()->click(); // "&Ja" or "OK"
            });
            const bool question = row.given.startsWith(u"Fråga");
            const Message message{row.given.section(u'|', 1), row.given.section(u'|', 0, 0),
                                  question ? Message::Buttons::YesNo : Message::Buttons::Ok,
                                  question ? Message::Icon::Critical : Message::Icon::None};
            QCOMPARE(WidgetDialogs().message(message), question ? Answer::Yes : Answer::Ok);
            QCOMPARE(shown, row.shown);
        }
    }

    // Set up as the program asks (title, flags, the type and the name chosen); the file chosen comes back, a
    // cancel gives none. Where the type chosen gives the extension, a name typed without one gets it.
    void fileDialogs()
    {
        const QString gls = u"Glos filer (*.gls)|Alla filer (*) "_s,
                      text = u"Textfiler (*.txt *.tsv)|CSV-filer (*.csv) "_s;
        const QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"finns.gls"_s), {}));
        for (const Scenario &row : QList<Scenario>{
                 {"save, asks", "Spara asks 0 lista.gls", "Spara save any asks " + gls + "lista.gls"},
                 {"open, existing", "Ladda existing 0 finns.gls",
                  "Ladda open existing quiet " + gls + "finns.gls"},
                 {"the type gives .txt", "Exportera asks gives 0 glosor",
                  "Exportera save any asks " + text + "glosor.txt"},
                 {"the type gives .csv", "Exportera gives 1 glosor",
                  "Exportera save any quiet " + text + "glosor.csv"},
                 {"the typed extension decides", "Exportera asks gives 1 glosor.tsv",
                  "Exportera save any asks " + text + "glosor.tsv"}})
            for (const bool choose : {true, false}) {
                const QStringList given = row.given.split(u' ');
                const FileDialogRequest request{
                    given[0],
                    given[0] == u"Exportera"
                        ? u"Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv"_s
                        : u"Glos filer(*.gls)|*.gls|Alla filer|*.*"_s,
                    given.contains(u"asks"), given.contains(u"existing"), given.contains(u"gives")};
                QString seen;
                whileOpen<QFileDialog>([&](QFileDialog *dialog) {
                    seen =
                        dialog->windowTitle() +
                        (dialog->acceptMode() == QFileDialog::AcceptSave ? u" save"_s : u" open"_s) +
                        (dialog->fileMode() == QFileDialog::ExistingFile ? u" existing "_s : u" any "_s) +
                        (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? u"quiet "_s : u"asks "_s) +
                        dialog->nameFilters().join(u'|');
                    auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
                    types->setCurrentIndex(given[given.size() - 2].toInt());
                    emit types->activated(types->currentIndex()); // as when a user picks it
                    emit types->textActivated(types->currentText());
                    dialog->selectFile(dir.filePath(given.last()));
                    choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
                });
                WidgetDialogs dialogs;
                const auto chosen =
                    given[0] == u"Ladda" ? dialogs.openFile(request) : dialogs.saveFile(request);
                QCOMPARE(seen + u' ' + (chosen ? QFileInfo(*chosen).fileName() : u"-"_s),
                         choose ? row.shown : row.shown.section(u' ', 0, -2) + u" -"_s);
                QVERIFY(!chosen || QFileInfo(*chosen).path() == dir.path());
            }
    }

    // The speech engine answers in a thread of its own; one that hangs stops speech, never the program.
    void speechNeverWaits()
    {
        using Voice = Speaker::Voice;
        QStringList said; // written in the speech thread, read once it has ended
        {
            ThreadedSpeaker speaker([&said] { return std::make_unique<FakeEngine>(nullptr, &said); });
            speaker.findVoice(Speaker::Language::Swedish);
            speaker.say(u"dog"_s, Speaker::Language::English);
            speaker.say(u"hund"_s, Speaker::Language::Swedish);
            QTRY_VERIFY(speaker.voice(Speaker::Language::English) == Voice::Present &&
                        speaker.voice(Speaker::Language::Swedish) == Voice::Missing);
        }
        QCOMPARE(said, QStringList{u"dog"_s});

        const auto gate = std::make_shared<QSemaphore>();
        QElapsedTimer ending;
        {
            ThreadedSpeaker speaker([gate] { return std::make_unique<FakeEngine>(gate, nullptr); },
                                    std::chrono::milliseconds(50));
            speaker.findVoice(Speaker::Language::English); // taken up, and never answered
            speaker.say(u"dog"_s, Speaker::Language::English);
            QCOMPARE(speaker.voice(Speaker::Language::English), Voice::Unknown); // returned at once
            QTRY_VERIFY(speaker.voice(Speaker::Language::English) == Voice::NotAnswering &&
                        speaker.voice(Speaker::Language::Swedish) == Voice::NotAnswering);
            ending.start();
        }
        QVERIFY(ending.elapsed() < 1000);
        gate->release(2); // the abandoned thread may end now
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
