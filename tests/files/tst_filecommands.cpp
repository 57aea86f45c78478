#include "entry/frmglos.h"
#include "files/frmspara.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

// A file dialog that a command opens and the path chosen in it (nothing: cancelled).
using Chosen = QList<std::pair<FileDialogRequest, std::optional<QString>>>;
using Answers = QList<Answer>;
using Msgs = QList<Message>;

const FileDialogRequest Open{"Ladda glosor", "Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*", false, false};
const FileDialogRequest Save{"Spara glosor", "Glos filer(*.gls)|*.gls|Alla filer|*.*", true, false};
const QString Glosor = QStringLiteral("ordkvarnen/drive_d/SPEL/Res/Vrak/mrk_program/mrk/Kvartos/Glosor");
const QString Saved = QStringLiteral("ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/Glosor");
const QByteArray Example = QByteArray::fromHex("0500000000030062696C03006361720300F667610300657965");
// Three pairs a/b, c/d, e/f with words 3 and 6 missing.
const QByteArray Missing = QByteArray::fromHex("07000000000000"
                                               "0100610000000001006200000000"
                                               "0000000000000001006400000000"
                                               "010065000000");
const Message Extension = yesNoBox("Filen har inte ändelsen .gls!\r\nVill du fortsätta ändå?");
const Message AppendMissing =
    yesNoBox("Informationen om en glosa har försvunnit\r\nVill du fortsätta", {}, Message::Icon::Critical);

Message openMissing(int k)
{
    return yesNoBox(QStringLiteral("Informationen om glosa nr %1har försvunnit\r\nVill du fortsätta").arg(k),
                    {}, Message::Icon::Critical);
}

WordList listOf(const QList<WordPair> &pairs)
{
    WordList list;
    for (const WordPair &pair : pairs)
        list.append(pair.swedish, pair.english);
    return list;
}

// The pairs of a list as one line: "sv=en#number|…", the number only when set.
QString render(const WordList &list)
{
    QStringList rows;
    for (int row = 1; row <= list.count(); ++row) {
        const QString number = list.cell(row, 2);
        rows.append(list.cell(row, 0) + u'=' + list.cell(row, 1) + (number.isEmpty() ? "" : "#" + number));
    }
    return rows.join(u'|');
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
    QTest::addColumn<QString>("file"); // prepared below the data folder with these bytes, unless empty
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<Chosen>("chosen");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<Msgs>("messages");
    QTest::addColumn<QString>("after"); // the main window's pairs; "=" stands for those before

    const QList<WordPair> two{{"ko", "cow"}, {QStringLiteral("öga"), "eye"}};
    const QString list = "chosen/list.gls", txt = "chosen/list.txt",
                  example = QStringLiteral("bil=car|öga=eye");
    const QStringList save{"mnuAltOpenSave"}, open{"mnuAltOpen"}, append{"mnuAltLaggtill"};
    const Answers yes{Answer::Yes}, no{Answer::No};
    const auto pairsOf = [](int count) { return QList<WordPair>(count, WordPair{"s", "e"}); };
    // clang-format off
    QTest::newRow("1: save, then open") << 1 << two << "" << QByteArray() << save + open << Chosen{{Save, list}, {Open, list}} << Answers{} << Msgs{} << "ko=cow|öga=eye";
    QTest::newRow("2: opens Lumba.gls, two pairs over five") << 2 << pairsOf(5) << Glosor + "/Lumba.gls" << Example << open << Chosen{} << Answers{} << Msgs{} << example;
    QTest::newRow("2: saves through the dialog") << 2 << two << "" << QByteArray() << save << Chosen{{Save, list}} << Answers{} << Msgs{} << "=";
    QTest::newRow("3: Trevian.gls, SPEL and Spel one folder") << 3 << two << "" << QByteArray() << save + open << Chosen{} << Answers{} << Msgs{} << "ko=cow|öga=eye";
    QTest::newRow("cancelled: save, open, append") << 1 << two << list << Example << save + open + append << Chosen{{Save, {}}, {Open, {}}, {Open, {}}} << Answers{} << Msgs{} << "=";
    QTest::newRow("open and append list.txt, No") << 1 << two << txt << Example << open + append << Chosen{{Open, txt}, {Open, txt}} << no + no << Msgs{Extension, Extension} << "=";
    QTest::newRow("append list.GLS to three, Yes") << 1 << pairsOf(3) << "chosen/list.GLS" << Example << append << Chosen{{Open, "chosen/list.GLS"}} << yes << Msgs{Extension} << "=|" + example;
    QTest::newRow("append to an empty list") << 1 << QList<WordPair>{} << list << Example << append << Chosen{{Open, list}} << Answers{} << Msgs{} << example;
    QTest::newRow("missing words, Yes: open, append") << 1 << two << list << Missing << open + append << Chosen{{Open, list}, {Open, list}} << yes + yes + yes + yes << Msgs{openMissing(3), openMissing(6), AppendMissing, AppendMissing} << "a=b|=d|e=|a=b|=d|e=";
    QTest::newRow("missing word, No: open, append") << 1 << pairsOf(1) << list << Missing << open + append << Chosen{{Open, list}, {Open, list}} << no + no << Msgs{openMissing(3), AppendMissing} << "=|a=b";
    QTest::newRow("append up to 255") << 1 << pairsOf(253) << list << Example << append << Chosen{{Open, list}} << Answers{} << Msgs{} << "=|" + example;
    QTest::newRow("append refused on the header's promise") << 1 << pairsOf(250) << list << QByteArray("\x0f") << append << Chosen{{Open, list}} << Answers{} << Msgs{okBox("Glosorna i filen får inte plats i listan.\r\nListan rymmer högst 255 glosor. Den har 250 och filen 7.")} << "=";
    QTest::newRow("open below a file") << 1 << two << list << Example << open << Chosen{{Open, list + "/x.gls"}} << Answers{} << Msgs{okBox("Error= 20"), okBox("Error = 20")} << "=";
    QTest::newRow("2: fixed folder is a file") << 2 << two << Glosor << Example << open << Chosen{} << Answers{} << Msgs{okBox("Fel vid öppna. Error =20")} << "=";
    QTest::newRow("3: fixed folder is a file") << 3 << two << Saved << Example << save << Chosen{} << Answers{} << Msgs{okBox("Error=20")} << "=";
    QTest::newRow("save over a folder") << 1 << two << "" << QByteArray() << save << Chosen{{Save, "chosen"}} << Answers{} << Msgs{okBox("Fel vid skrivning till fil.\r\nError=21")} << "=";
    QTest::newRow("save a word too long, old file kept") << 1 << QList<WordPair>{{"hund", "dog"}} << list << Example << save << Chosen{{Save, list}} << Answers{} << Msgs{okBox("Ordet \"hund\" är för långt för att sparas.\r\nI en lista med 1 glosa får ett ord ha högst 1 tecken.")} << "=";
    // clang-format on
}

void FileCommandsTest::commands()
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
        QFile out(home.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    t->main().receiveList(listOf(before));
    t->program.state.currentUser = quint8(user);
    QList<FileDialogRequest> requests;
    for (const auto &[request, path] : chosen) {
        requests.append(request);
        t->dialogs.choosePath(path ? std::optional(home.filePath(*path)) : std::nullopt);
    }
    for (Answer answer : answers)
        t->dialogs.answerYesNo(answer);

    for (const QString &command : commands)
        TestProgram::trigger(&t->main(), qPrintable(command));

    QCOMPARE(t->dialogs.takeFileRequests(), requests);
    QCOMPARE(t->dialogs.takeMessages(), messages);
    const WordList &grid = t->main().grid();
    QCOMPARE(render(grid), after.startsWith(u'=') ? render(listOf(before)) + after.mid(1) : after);
    QCOMPARE(grid.cell(0, 0), QString::number(grid.count()));
    QCOMPARE(t->listed(), grid.swedishWords());
    QCOMPARE(int(t->program.state.wordCount), grid.count());
    QVERIFY(!t->program.frmspara.loaded());
    QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass of a save is gone
    // Reading, or a refused save, leaves a file as it was.
    QFile kept(home.filePath(file));
    if (!file.isEmpty() && QFileInfo(kept).isFile())
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes);
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
