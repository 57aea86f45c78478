#include "files/wordfile.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

// A file dialog that a command opens and the path chosen in it (nothing: cancelled).
using Chosen = QList<std::pair<FileDialogRequest, std::optional<QString>>>;
using Answers = QList<Answer>;
using Msgs = QList<Message>;

const FileDialogRequest Open{"Ladda glosor", "Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*", false, false, false};
const FileDialogRequest Save{"Spara glosor", "Glos filer(*.gls)|*.gls|Alla filer|*.*", true, false, false};
const QString Glosor = u"ordkvarnen/drive_d/SPEL/Res/Vrak/mrk_program/mrk/Kvartos/Glosor"_s;
const QByteArray Example = QByteArray::fromHex("0500000000030062696C03006361720300F667610300657965");

} // namespace

class FileCommandsTest : public WindowTest {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QList<WordPair>>("before");
        QTest::addColumn<QString>("file"); // prepared below the data folder with these bytes, unless empty
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<Chosen>("chosen");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<Msgs>("messages");
        QTest::addColumn<QString>("after"); // the main window's pairs; "=" stands for those before

        const QList<WordPair> two{{"ko", "cow"}, {u"öga"_s, "eye"}};
        const QString list = "chosen/list.gls", gls = "chosen/list.GLS", example = u"bil=car|öga=eye"_s;
        const QStringList save{"mnuAltOpenSave"}, open{"mnuAltOpen"}, append{"mnuAltLaggtill"};
        const Answers yes{Answer::Yes}, no{Answer::No};
        const auto pairsOf = [](int count) { return QList<WordPair>(count, WordPair{"s", "e"}); };
        const auto critical = [](const QString &text) { return yesNoBox(text, {}, Message::Icon::Critical); };
        const QString lost = u"Informationen om glosa nr %1har försvunnit\r\nVill du fortsätta"_s;
        const Message lost3 = critical(lost.arg(3)), lost6 = critical(lost.arg(6));
        const Message appendLost = critical("Informationen om en glosa har försvunnit\r\nVill du fortsätta");
        const Message replace = yesNoBox(u"Vill du ersätta glosorna i listan med glosorna i filen?"_s, u"Öppna glosor"_s);
        const Message extension = yesNoBox("Filen har inte ändelsen .gls!\r\nVill du fortsätta ändå?");
        QByteArray missing = writeWordFile({{"a", "b"}, {"c", "d"}, {"e", "f"}}).bytes;
        missing[7 * 3] = missing[7 * 6] = 0; // words 3 and 6 lose their length
        // clang-format off
        QTest::newRow("1: append to an empty list, save it back") << 1 << QList<WordPair>{} << list << Example
            << append + save << Chosen{{Open, list}, {Save, list}} << Answers{} << Msgs{} << example;
        QTest::newRow("2: save by dialog, open Lumba.gls over five") << 2 << pairsOf(5) << Glosor + "/Lumba.gls"
            << Example << save + open << Chosen{{Save, list}} << Answers{} << Msgs{} << example;
        QTest::newRow("3: Trevian.gls, SPEL and Spel one folder") << 3 << two << "" << QByteArray() << save + open
            << Chosen{} << Answers{} << Msgs{} << "ko=cow|öga=eye";
        QTest::newRow("cancelled: save, open, append") << 1 << two << list << Example << save + open + append
            << Chosen{{Save, {}}, {Open, {}}, {Open, {}}} << Answers{} << Msgs{} << "=";
        QTest::newRow("list.GLS: open No, append Yes") << 1 << pairsOf(3) << gls << Example << open + append
            << Chosen{{Open, gls}, {Open, gls}} << no + yes << Msgs{extension, extension} << "=|" + example;
        QTest::newRow("missing words, Yes: open, append") << 1 << two << list << missing << open + append
            << Chosen{{Open, list}, {Open, list}} << yes + yes + yes + yes
            << Msgs{lost3, lost6, appendLost, appendLost} << "a=b|=d|e=|a=b|=d|e=";
        QTest::newRow("missing word, No: open, append") << 1 << pairsOf(1) << list << missing << open + append
            << Chosen{{Open, list}, {Open, list}} << no + no << Msgs{lost3, appendLost} << "=|a=b";
        QTest::newRow("append refused on the header's promise") << 1 << pairsOf(250) << list << QByteArray("\x0f")
            << append << Chosen{{Open, list}} << Answers{}
            << Msgs{okBox("Glosorna i filen får inte plats i listan.\r\n"
                          "Listan rymmer högst 255 glosor. Den har 250 och filen 7.")} << "=";
        QTest::newRow("2: open where Glosor is a file") << 2 << two << Glosor << Example << open << Chosen{}
            << yes << Msgs{replace, okBox("Fel vid öppna. Error =20")} << "=";
        QTest::newRow("3: unsaved pairs kept on No") << 3 << two << Glosor + "/Trevian.gls" << Example << open
            << Chosen{} << no << Msgs{replace} << "=";
        QTest::newRow("save over a folder") << 1 << two << "" << QByteArray() << save << Chosen{{Save, "chosen"}}
            << Answers{} << Msgs{okBox("Fel vid skrivning till fil.\r\nError=21")} << "=";
        QTest::newRow("save a word too long, old file kept") << 1 << QList<WordPair>{{"hund", "dog"}} << list
            << Example << save << Chosen{{Save, list}} << Answers{}
            << Msgs{okBox("Ordet \"hund\" är för långt för att sparas.\r\n"
                          "I en lista med 1 glosa får ett ord ha högst 1 tecken.")} << "=";
        // clang-format on
    }
    void commands()
    {
        QFETCH(int, user);
        QFETCH(QList<WordPair>, before);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, commands);
        QFETCH(Chosen, chosen);
        QFETCH(Answers, answers);
        QFETCH(Msgs, messages);
        QFETCH(QString, after);
        const QDir home(t->dataHome.path());
        home.mkpath("chosen");
        if (!file.isEmpty()) {
            home.mkpath(QFileInfo(home.filePath(file)).path());
            QVERIFY(writeBytes(home.filePath(file), bytes));
        }
        WordList start;
        for (const WordPair &pair : before)
            start.append(pair.swedish, pair.english);
        t->session.setList(start);
        t->main();
        t->session.state.currentUser = quint8(user);
        QList<FileDialogRequest> requests;
        for (const auto &[request, path] : chosen) {
            requests.append(request);
            t->dialogs.choosePath(path ? std::optional(home.filePath(*path)) : std::nullopt);
        }
        for (Answer answer : answers)
            t->dialogs.answerYesNo(answer);

        t->run(commands.join(u' '));

        QCOMPARE(t->dialogs.takeFileRequests(), requests);
        QCOMPARE(t->dialogs.takeMessages(), messages);
        QCOMPARE(render(t->session.list().pairs()),
                 after.startsWith(u'=') ? render(start.pairs()) + after.mid(1) : after);
        QCOMPARE(t->listed().join(u'|'), t->session.list().swedishWords().join(u'|'));
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass of a save is gone
        // A file ends as it began: read, refused, or saved back with the pairs it holds.
        QFile kept(home.filePath(file));
        if (!file.isEmpty() && QFileInfo(kept).isFile())
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes);
    }

    // The list changes once for a whole file, up to the list's limit.
    void appendFillsTheListInOneChange()
    {
        const QString path = t->dataHome.filePath(u"list.gls"_s);
        QVERIFY(writeBytes(path, writeWordFile(QList<WordPair>(127, {"a", "b"})).bytes));
        t->session.setList({});
        t->session.appendPairs(QList<WordPair>(128, {"s", "e"}));
        t->session.state.currentUser = 1;
        t->dialogs.choosePath(path);
        int changes = 0;
        connect(&t->session, &Session::listChanged, [&changes] { ++changes; });
        t->main();
        t->run(u"mnuAltLaggtill"_s);
        QCOMPARE(changes, 1);
        QCOMPARE(t->listed().size(), 255);
        QCOMPARE(t->dialogs.takeFileRequests().size(), 1);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
