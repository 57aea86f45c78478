#include "files/backups.h"
#include "files/wordfile.h"
#include "files/wordtext.h"
#include "support/testprogram.h"

#include <QDir>
#include <QGuiApplication>

namespace {
const QString Glosor = u"ordkvarnen/drive_d/SPEL/Res/Vrak/mrk_program/mrk/Kvartos/Glosor"_s;
const QByteArray Example =
    QByteArray::fromHex("0500000000030062696C03006361720300F667610300657965"); // bil=car|öga=eye

struct FileScenario {
    const char *name;
    QString file; // made below the data folder with these bytes, unless empty
    QByteArray bytes;
    QString steps;
    QString shown; // the boxes and dialogs, then "→" the pairs
};
} // namespace

class TestFileCommands : public WindowTest {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        const QString lost =
            u"(!) Informationen om glosa nr %1har försvunnit | Vill du fortsätta (Ja/Nej)\n"_s;
        const QString appendLost =
            u"(!) Informationen om en glosa har försvunnit | Vill du fortsätta (Ja/Nej)\n"_s;
        const QString extension = u"Filen har inte ändelsen .gls! | Vill du fortsätta ändå? (Ja/Nej)\n"_s;
        const QString replace =
            u"Vill du ersätta glosorna i listan med glosorna i filen? [Öppna glosor] (Ja/*Nej)"_s;
        const QString list = u"c/list.gls"_s, two = u"glosor=ko=cow|öga=eye "_s, kept = u"ko=cow|öga=eye"_s;
        const QString ex = u"bil=car|öga=eye"_s;
        QByteArray missing = writeWordFile({{"a", "b"}, {"c", "d"}, {"e", "f"}}).bytes;
        missing[7 * 3] = missing[7 * 6] = 0; // words 3 and 6 lose their length
        const QByteArray twelve = QByteArray("a\tb\n").repeated(12) + "x\n\ty\n";
        const QString imp = u"mnuAltImport fil=lista.txt"_s, imported = u"<Importera glosor>\n"_s;
        const QString full =
            u"Glosorna i filen får inte plats i listan. | Listan rymmer högst 255 glosor. "_s;
        // User 1 unless the steps say otherwise.
        addRows<FileScenario>({
            {"append to an empty list, save it back", list, Example,
             "mnuAltLaggtill fil=c/list.gls mnuAltOpenSave fil=c/list.gls",
             "<Ladda glosor>\n<Spara glosor> → " + ex},
            {"Lumba saves by dialog, opens Lumba.gls", Glosor + "/Lumba.gls", Example,
             "användare=2 glosor=5 mnuAltOpenSave fil=c/list.gls mnuAltOpen", "<Spara glosor> → " + ex},
            {"Trevian.gls: SPEL and Spel one folder", "", "", two + "användare=3 mnuAltOpenSave mnuAltOpen",
             "→ " + kept},
            {"cancelled", list, Example, two + "mnuAltOpenSave fil= mnuAltOpen fil= mnuAltLaggtill fil=",
             "<Spara glosor>\n<Ladda glosor>\n<Ladda glosor> → " + kept},
            {"list.GLS: open No, append Yes", "c/list.GLS", Example,
             "glosor=s=e mnuAltOpen fil=c/list.GLS Nej mnuAltLaggtill fil=c/list.GLS Ja",
             "<Ladda glosor>\n" + extension + "<Ladda glosor>\n" + extension.trimmed() + " → s=e|" + ex},
            {"missing words, Yes", list, missing,
             two + "mnuAltOpen fil=c/list.gls Ja Ja mnuAltLaggtill fil=c/list.gls Ja Ja",
             "<Ladda glosor>\n" + lost.arg(3) + lost.arg(6) + "<Ladda glosor>\n" + appendLost +
                 appendLost.trimmed() + " → a=b|=d|e=|a=b|=d|e="},
            {"missing word, No", list, missing,
             "glosor=s=e mnuAltOpen fil=c/list.gls Nej mnuAltLaggtill fil=c/list.gls Nej",
             "<Ladda glosor>\n" + lost.arg(3) + "<Ladda glosor>\n" + appendLost.trimmed() + " → s=e|a=b"},
            {"append refused on the header's promise", list, "\x0f",
             "glosor=250 mnuAltLaggtill fil=c/list.gls",
             "<Ladda glosor>\n" + full + "Den har 250 och filen 7. → " + render(Pairs(250, {"s", "e"}))},
            {"Lumba: Glosor is a file", Glosor, Example, two + "användare=2 mnuAltOpen Ja",
             replace + "\nFel vid öppna. Error =20 → " + kept},
            {"Trevian: unsaved pairs kept on No", Glosor + "/Trevian.gls", Example,
             two + "användare=3 mnuAltOpen Nej", replace + " → " + kept},
            {"Trevian opens twice: nothing unsaved to ask about", Glosor + "/Trevian.gls", Example,
             "användare=3 mnuAltOpen mnuAltOpen", "→ " + ex},
            {"Trevian: a list put back unchanged by the edit window is still saved", Glosor + "/Trevian.gls",
             Example, "användare=3 mnuAltOpen mnuAltBort Command2 mnuAltOpen", "→ " + ex},
            {"save over a folder", "", "", two + "mnuAltOpenSave fil=c",
             "<Spara glosor>\nFel vid skrivning till fil. | Error=21 → " + kept},
            {"save a word too long, old file kept", list, Example,
             "glosor=hund=dog mnuAltOpenSave fil=c/list.gls",
             "<Spara glosor>\nOrdet \"hund\" är för långt för att sparas. | I en lista med 1 glosa får ett "
             "ord ha högst 1 tecken. → hund=dog"},
            {"import: added and skipped", "lista.txt", twelve, "glosor=3 " + imp,
             imported + "12 glosor lades till. 2 rader hoppades över. → " +
                 render(Pairs(3, {"s", "e"}) + Pairs(12, {"a", "b"}))},
            {"import: one of each", "lista.txt", "a\tb\nc\n", "glosor=2 " + imp,
             imported + "1 glosa lades till. 1 rad hoppades över. → s=e|s=e|a=b"},
            {"import: refused whole past the limit", "lista.txt", twelve, "glosor=244 " + imp,
             imported + full + "Den har 244 och filen 12. → " + render(Pairs(244, {"s", "e"}))},
            {"import: nothing to add", "lista.txt", "#bara en rubrik\n", imp,
             imported + "0 glosor lades till. 0 rader hoppades över. →"},
            {"import: 16 MiB at most", "lista.txt", '#' + QByteArray(WordText::MaxFileBytes - 1, 'x'), imp,
             imported + "0 glosor lades till. 0 rader hoppades över. →"},
            {"import: larger, refused", "lista.txt", QByteArray(WordText::MaxFileBytes + 1, ' '), imp,
             imported + "Filen är för stor för att vara en gloslista. | En textfil med glosor får vara högst "
                        "16 MiB. →"},
            {"import: NUL without a mark, refused", "lista.txt", "a\0\tb\0\n"_ba, imp,
             imported + "Filen är ingen textfil. | Glosor kan importeras från text i UTF-8, UTF-16 eller "
                        "Windows-1252. →"},
            {"import: a KDE document, by its content", "lista.txt",
             "<kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><text>a</text></translation>"
             "<translation id=\"1\"><text>b</text></translation></entry><entry/></entries></kvtml>",
             imp, imported + "1 glosa lades till. 1 rad hoppades över. → a=b"},
            {"import: a broken KDE document, refused", "lista.txt", "<kvtml><e>", imp,
             imported +
                 "Filen kunde inte läsas som en KDE-ordlista. | Den är skadad eller innehåller sådant som en "
                 "ordlista inte har. →"},
            {"import: a folder cannot be read", {}, {}, "mnuAltImport fil=c", imported + "Error = 21 →"},
            {"export: the chosen file replaced, a failure told", "lista.csv", "gammalt",
             "glosor=öga=eye mnuAltExport fil=lista.csv mnuAltExport fil=saknas/lista.txt",
             "<Exportera glosor>\n<Exportera glosor>\nFel vid skrivning till fil. | Error=2 → öga=eye"},
            {"export and import a KDE document", "", "",
             "glosor=öga=eye mnuAltExport fil=lista.KVTML mnuAltImport fil=lista.KVTML",
             "<Exportera glosor>\n" + imported +
                 "1 glosa lades till. 0 rader hoppades över. → öga=eye|öga=eye"},
        });
    }
    void scenarios()
    {
        QFETCH(FileScenario, row);
        const QDir home(t->dataHome.path());
        const QString file = home.filePath(row.file);
        QVERIFY(home.mkpath(u"c"_s) && home.mkpath(QFileInfo(file).path()));
        QVERIFY(row.file.isEmpty() || writeBytes(file, row.bytes));
        int changes = 0;
        t->main();
        connect(&t->session, &Session::listChanged, [&changes] { ++changes; });
        t->run(u"användare=1 "_s + row.steps);
        QCOMPARE((t->log() + u" → "_s + render(t->session.list().pairs())).trimmed(), row.shown);
        QCOMPARE(t->listed(), t->session.list().swedishWords());
        QVERIFY(changes <= row.steps.count(u"glosor=") + row.steps.count(u"mnuAlt")); // one per file
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass of a save is gone
        // A file ends as it began: read, refused, or saved back with the pairs it holds; an export
        // replaces it.
        if (QFileInfo(file).isFile())
            QCOMPARE(readBytes(file), row.file == u"lista.csv" ? "\xC3\xB6ga,eye\n"_ba : row.bytes);
    }

    void dialogsAsTheCommandsAskThem()
    {
        t->run(u"glosor=a=b användare=1 mnuAltOpen mnuAltOpenSave mnuAltImport mnuAltExport"_s);
        const QString text = u"Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv"_s;
        QCOMPARE(t->dialogs.requests,
                 (QList<FileDialogRequest>{
                     {"Ladda glosor", "Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*", false, false, false},
                     {"Spara glosor", "Glos filer(*.gls)|*.gls|Alla filer|*.*", true, false, false},
                     {"Importera glosor",
                      "Alla ordlistor (*.txt *.tsv *.csv *.kvtml)|*.txt *.tsv *.csv *.kvtml|" + text +
                          "|KDE-ordlistor (*.kvtml)|*.kvtml|Alla filer (*)|*",
                      false, true, false},
                     {"Exportera glosor", text + "|KDE-ordlistor (*.kvtml)|*.kvtml", true, false, true}}));
        t->log();
    }

    // A save killed while it wrote a file in place: the next start names the file, says whether it reads
    // whole and offers its old version back, once.
    void leftoverBackupOfferedOnce()
    {
        const QString ask =
            u"Programmet avbröts förra gången medan det sparade filen: | %1 | Filen går %2att "
            u"läsa hel nu. | Vill du sätta tillbaka den gamla versionen av filen? [Återställ fil] "
            u"(Ja/%3Nej)"_s;
        for (const Scenario &row :
             QList<Scenario>{{"whole, kept", "Nej", ""}, {"damaged, put back", "Ja", "inte "}}) {
            NAME_ROW_ON_FAILURE(row);
            t = std::make_unique<TestProgram>();
            const QString path = QDir(t->dataHome.path()).canonicalPath() + u"/lista.gls"_s;
            QVERIFY(writeBytes(path, Example));
            QFile old(path);
            QByteArray backup;
            int backupFd = -1;
            QVERIFY(old.open(QIODevice::ReadOnly) &&
                    createBackup(old.handle(), QFile::encodeName(path), backup, backupFd) == 0);
            ::close(backupFd); // and the save was killed
            const QByteArray now =
                row.shown.isEmpty() ? QByteArray(Example).replace("bil", "bul") : "\x05trasig"_ba;
            QVERIFY(writeBytes(path, now));
            for (int start = 0; start < 2; ++start) {
                if (start == 0)
                    t->dialogs.answerYesNo(row.given == u"Ja" ? Answer::Yes : Answer::No);
                t->program.start();
                t->run({});
                QCOMPARE(t->log().section(u'\n', 1),
                         start ? QString()
                               : ask.arg(path, row.shown, row.shown.isEmpty() ? u"*"_s : QString()));
                t->program.discardAll();
            }
            QCOMPARE(readBytes(path), row.given == u"Ja" ? Example : now);
        }
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
