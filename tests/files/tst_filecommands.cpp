#include "entry/frmglos.h"
#include "files/frmspara.h"
#include "files/wordfile.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFile>

namespace {

using Paths = QList<std::optional<QString>>;
using Answers = QList<Answer>;
using Msgs = QList<Message>;
using Requests = QList<FileDialogRequest>;

const QString Glosor = QStringLiteral("ordkvarnen/drive_d/SPEL/Res/Vrak/mrk_program/mrk/Kvartos/Glosor");
const QString Saved = QStringLiteral("ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/Glosor");
const FileDialogRequest OpenRequest{"Ladda glosor", "Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*", false,
                                    false};
const FileDialogRequest SaveRequest{"Spara glosor", "Glos filer(*.gls)|*.gls|Alla filer|*.*", true, false};
const QByteArray Example = QByteArray::fromHex("0500000000030062696C03006361720300F667610300657965");
// Three pairs a/b, c/d, e/f with words 3 and 6 missing.
const QByteArray Missing = QByteArray::fromHex("07000000000000"
                                               "0100610000000001006200000000"
                                               "0000000000000001006400000000"
                                               "010065000000");

Message critical(const QString &text, Message::Buttons buttons = Message::Buttons::Ok)
{
    return {text, {}, buttons, Message::Icon::Critical};
}

const Message Extension = yesNoBox("Filen har inte ändelsen .gls!\r\nVill du fortsätta ändå?");
const Message AppendMissing =
    critical("Informationen om en glosa har försvunnit\r\nVill du fortsätta", Message::Buttons::YesNo);

Message openMissing(int k)
{
    return critical(QStringLiteral("Informationen om glosa nr %1har försvunnit\r\nVill du fortsätta").arg(k),
                    Message::Buttons::YesNo);
}

QList<WordPair> pairsOf(int count)
{
    QList<WordPair> pairs;
    for (int i = 1; i <= count; ++i)
        pairs.append({QStringLiteral("s%1").arg(i), QStringLiteral("e%1").arg(i)});
    return pairs;
}

// A list as one line: "header cell:sv=en#number|…", the number only when set.
QString render(const WordList &list)
{
    QStringList rows;
    for (int row = 1; row <= list.count(); ++row) {
        const QString number = list.cell(row, 2);
        rows.append(list.cell(row, 0) + u'=' + list.cell(row, 1) + (number.isEmpty() ? "" : "#" + number));
    }
    return list.cell(0, 0) + u':' + rows.join(u'|');
}

QString typed(const QList<WordPair> &pairs)
{
    WordList list;
    for (const WordPair &pair : pairs)
        list.append(pair.swedish, pair.english);
    return render(list);
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup();
    void commands_data();
    void commands();

private:
    QString place(const QString &name) const { return t->dataHome.filePath(name); }
    std::unique_ptr<TestProgram> t;
};

void FileCommandsTest::cleanup()
{
    VERIFY_NO_PENDING_DIALOGS(t->dialogs);
    t.reset();
}

void FileCommandsTest::commands_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QList<WordPair>>("before");
    QTest::addColumn<QString>("file"); // prepared below the data folder, unless empty
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<Paths>("paths");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<Requests>("requests");
    QTest::addColumn<Msgs>("messages");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("written"); // this file then holds the list before, unless empty

    const QList<WordPair> two{{"ko", "cow"}, {QStringLiteral("öga"), "eye"}};
    const QList<WordPair> five = pairsOf(5);
    const QString list = "chosen/list.gls";
    const QStringList save{"mnuAltOpenSave"}, open{"mnuAltOpen"}, append{"mnuAltLaggtill"};
    const QString example = QStringLiteral("2:bil=car|öga=eye");
    const Message noCount = critical("Fel vid öppning av fil.\r\nInformationen om antal glosor var felaktig");
    // clang-format off
    QTest::newRow("1: save, then open") << 1 << two << "" << QByteArray() << save + open << Paths{list, list} << Answers{} << Requests{SaveRequest, OpenRequest} << Msgs{} << "2:ko=cow|öga=eye" << list;
    QTest::newRow("2: opens Lumba.gls, two pairs over five") << 2 << five << Glosor + "/Lumba.gls" << Example << open << Paths{} << Answers{} << Requests{} << Msgs{} << example << "";
    QTest::newRow("2: saves through the dialog") << 2 << two << "" << QByteArray() << save << Paths{"chosen/two.gls"} << Answers{} << Requests{SaveRequest} << Msgs{} << typed(two) << "chosen/two.gls";
    QTest::newRow("3: Trevian.gls, SPEL and Spel one folder") << 3 << two << "" << QByteArray() << save + open << Paths{} << Answers{} << Requests{} << Msgs{} << "2:ko=cow|öga=eye" << Saved + "/Trevian.gls";
    QTest::newRow("open cancelled") << 1 << two << list << Example << open << Paths{std::nullopt} << Answers{} << Requests{OpenRequest} << Msgs{} << typed(two) << "";
    QTest::newRow("save cancelled") << 1 << two << "" << QByteArray() << save << Paths{std::nullopt} << Answers{} << Requests{SaveRequest} << Msgs{} << typed(two) << "";
    QTest::newRow("append cancelled") << 1 << two << list << Example << append << Paths{std::nullopt} << Answers{} << Requests{OpenRequest} << Msgs{} << typed(two) << "";
    QTest::newRow("open list.GLS, Yes") << 1 << two << "chosen/list.GLS" << Example << open << Paths{"chosen/list.GLS"} << Answers{Answer::Yes} << Requests{OpenRequest} << Msgs{Extension} << example << "";
    QTest::newRow("open list.txt, No") << 1 << two << "chosen/list.txt" << Example << open << Paths{"chosen/list.txt"} << Answers{Answer::No} << Requests{OpenRequest} << Msgs{Extension} << typed(two) << "";
    QTest::newRow("append list.txt, Yes, to three") << 1 << pairsOf(3) << "chosen/list.txt" << Example << append << Paths{"chosen/list.txt"} << Answers{Answer::Yes} << Requests{OpenRequest} << Msgs{Extension} << "5:s1=e1#1|s2=e2#2|s3=e3#3|bil=car|öga=eye" << "";
    QTest::newRow("append list.GLS, No") << 1 << two << "chosen/list.GLS" << Example << append << Paths{"chosen/list.GLS"} << Answers{Answer::No} << Requests{OpenRequest} << Msgs{Extension} << typed(two) << "";
    QTest::newRow("append to an empty list") << 1 << QList<WordPair>{} << list << Example << append << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{} << example << "";
    QTest::newRow("append header 1") << 1 << two << list << QByteArray("\1") << append << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{} << typed(two) << "";
    QTest::newRow("open, missing words, Yes") << 1 << two << list << Missing << open << Paths{list} << Answers{Answer::Yes, Answer::Yes} << Requests{OpenRequest} << Msgs{openMissing(3), openMissing(6)} << "3:a=b|=d|e=" << "";
    QTest::newRow("open, missing word, No") << 1 << two << list << Missing << open << Paths{list} << Answers{Answer::No} << Requests{OpenRequest} << Msgs{openMissing(3)} << typed(two) << "";
    QTest::newRow("append, missing words, Yes") << 1 << QList<WordPair>{} << list << Missing << append << Paths{list} << Answers{Answer::Yes, Answer::Yes} << Requests{OpenRequest} << Msgs{AppendMissing, AppendMissing} << "3:a=b|=d|e=" << "";
    QTest::newRow("append, missing word, No") << 1 << pairsOf(1) << list << Missing << append << Paths{list} << Answers{Answer::No} << Requests{OpenRequest} << Msgs{AppendMissing} << "2:s1=e1#1|a=b" << "";
    QTest::newRow("append past 255 refused") << 1 << pairsOf(254) << list << Example << append << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{okBox("Glosorna i filen får inte plats i listan.\r\nListan rymmer högst 255 glosor. Den har 254 och filen 2.")} << typed(pairsOf(254)) << "";
    QTest::newRow("append refused on the header's promise") << 1 << pairsOf(250) << list << QByteArray("\x0f") << append << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{okBox("Glosorna i filen får inte plats i listan.\r\nListan rymmer högst 255 glosor. Den har 250 och filen 7.")} << typed(pairsOf(250)) << "";
    QTest::newRow("open an empty file") << 1 << two << list << QByteArray("") << open << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{noCount} << typed(two) << "";
    QTest::newRow("append header 0") << 1 << two << list << QByteArray("\0\1", 2) << append << Paths{list} << Answers{} << Requests{OpenRequest} << Msgs{noCount} << typed(two) << "";
    QTest::newRow("open a folder") << 1 << two << "" << QByteArray() << open << Paths{"chosen"} << Answers{Answer::Yes} << Requests{OpenRequest} << Msgs{Extension, okBox("Error = 21")} << typed(two) << "";
    QTest::newRow("open below a file") << 1 << two << list << Example << open << Paths{list + "/x.gls"} << Answers{} << Requests{OpenRequest} << Msgs{okBox("Error= 20"), okBox("Error = 20")} << typed(two) << "";
    QTest::newRow("append below a file") << 1 << two << list << Example << append << Paths{list + "/x.gls"} << Answers{} << Requests{OpenRequest} << Msgs{okBox("Error = 20")} << typed(two) << "";
    QTest::newRow("2: fixed folder is a file") << 2 << two << Glosor << Example << open << Paths{} << Answers{} << Requests{} << Msgs{okBox("Fel vid öppna. Error =20")} << typed(two) << "";
    QTest::newRow("3: fixed folder is a file") << 3 << two << Saved << Example << save << Paths{} << Answers{} << Requests{} << Msgs{okBox("Error=20")} << typed(two) << "";
    QTest::newRow("save over a folder") << 1 << two << "" << QByteArray() << save << Paths{"chosen"} << Answers{} << Requests{SaveRequest} << Msgs{okBox("Fel vid skrivning till fil.\r\nError=21")} << typed(two) << "";
    QTest::newRow("save a word too long, old file kept") << 1 << QList<WordPair>{{"hund", "dog"}} << list << Example << save << Paths{list} << Answers{} << Requests{SaveRequest} << Msgs{okBox("Ordet \"hund\" är för långt för att sparas.\r\nI en lista med 1 glosa får ett ord ha högst 1 tecken.")} << "1:hund=dog#1" << "";
    // clang-format on
}

void FileCommandsTest::commands()
{
    QFETCH(int, user);
    QFETCH(QList<WordPair>, before);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, commands);
    QFETCH(Paths, paths);
    QFETCH(Answers, answers);
    QFETCH(Requests, requests);
    QFETCH(Msgs, messages);
    QFETCH(QString, after);
    QFETCH(QString, written);

    QDir().mkpath(place("chosen"));
    if (!file.isEmpty()) {
        QDir().mkpath(QFileInfo(place(file)).path());
        QFile out(place(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    WordList list;
    for (const WordPair &pair : before)
        list.append(pair.swedish, pair.english);
    t->main().receiveList(list);
    t->program.state.currentUser = quint8(user);
    for (const std::optional<QString> &path : paths)
        t->dialogs.choosePath(path ? std::optional(place(*path)) : std::nullopt);
    for (Answer answer : answers)
        t->dialogs.answerYesNo(answer);

    for (const QString &command : commands)
        TestProgram::trigger(&t->main(), qPrintable(command));

    QCOMPARE(t->dialogs.takeFileRequests(), requests);
    QCOMPARE(t->dialogs.takeMessages(), messages);
    QCOMPARE(render(t->main().grid()), after);
    QCOMPARE(t->listed(), t->main().grid().swedishWords());
    QCOMPARE(int(t->program.state.wordCount), t->main().grid().count());
    QVERIFY(!t->program.frmspara.loaded());
    if (!file.isEmpty() && QFileInfo(place(file)).isFile()) {
        QFile kept(place(file));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes); // reading, or a refused save, leaves a file as it was
    }
    if (!written.isEmpty()) {
        QFile saved(place(written));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), writeWordFile(before).bytes);
    }
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
