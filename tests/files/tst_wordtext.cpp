#include "app/session.h"
#include "files/filecommands.h"
#include "files/wordtext.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using Pairs = QList<WordPair>;

namespace {
const QString Filter = u"Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv"_s;

// A session on scripted dialogs, logged in as a user who may import and export.
struct Commands {
    ScriptedDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    FixedPaths paths{{}, {}};
    FakeSpeaker speaker;
    Session session{{dialogs, clock, random, paths, speaker, [] {}}};
    int changes = 0;

    explicit Commands(int pairs)
    {
        WordList list;
        list.append(QList<WordPair>(pairs, {u"gammal"_s, u"old"_s}));
        session.setList(list);
        session.state.currentUser = 1;
        QObject::connect(&session, &Session::listChanged, [this] { ++changes; });
    }
};
} // namespace

class TestWordText : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<int>("skipped");

        // clang-format off
        QTest::newRow("tabs") << "bil\tcar\nöga\teye\n"_ba << u"bil=car|öga=eye"_s << 0;
        QTest::newRow("semicolons, CRLF, no last end") << "bil;car\r\nhus;house"_ba << "bil=car|hus=house" << 0;
        QTest::newRow("commas, lone CR") << "bil,car\rhus,house\r"_ba << "bil=car|hus=house" << 0;
        QTest::newRow("first separator decides") << "a;b,c\nd,e;f\n"_ba << "a=b,c|d,e=f" << 0;
        QTest::newRow("separator inside quotes passed") << "\"a,b\";c\n"_ba << "a,b=c" << 0;
        QTest::newRow("first line without one") << "rubrik\nbil,car\n"_ba << "bil=car" << 1;
        QTest::newRow("tags and notes ignored") << "bil\tcar\ttag1 tag2\tnot\n"_ba << "bil=car" << 0;
        QTest::newRow("quoting") << "\"sa \"\"hej\"\"\",\"two\nlines\"\n"_ba << "sa \"hej\"=two\nlines" << 0;
        QTest::newRow("quoted tab in tab file") << "\"a\tb\"\tc\n"_ba << "a\tb=c" << 0;
        QTest::newRow("blanks around unquoted go") << "  bil , car  \n"_ba << "bil=car" << 0;
        QTest::newRow("blanks inside quotes stay") << "\" bil \", \"car\" \n"_ba << " bil =car" << 0;
        QTest::newRow("quote inside a word is text") << "5\" sk\xC3\xA4rm,5\" screen\n"_ba << u"5\" skärm=5\" screen"_s << 0;
        QTest::newRow("text after a quote kept") << "\"bil\"en,car\n"_ba << "bilen=car" << 0;
        QTest::newRow("unclosed quote to the end") << "a,\"b\nc,d\n"_ba << "a=b\nc,d\n" << 0;
        QTest::newRow("blank and comment lines quiet") << "#sep:tab\n\n  \t \n#x;y\nbil\tcar\n\n"_ba << "bil=car" << 0;
        QTest::newRow("CRLF quiet and one-word lines") << "#x\r\n\r\nrubrik\r\nbil;car\r\n"_ba << "bil=car" << 1;
        QTest::newRow("# inside a line is text") << "a\t#b\n"_ba << "a=#b" << 0;
        QTest::newRow("lines without two words counted") << "a\tb\nc\n\td\ne\t\n\"\"\t\"x\"\nf\tg\n"_ba << "a=b|f=g" << 4;
        QTest::newRow("UTF-8 with mark") << "\xEF\xBB\xBF\xC3\xB6ga;eye\n"_ba << u"öga=eye"_s << 0;
        QTest::newRow("Windows-1252") << "\xF6ga;\x80 euro\n"_ba << u"öga=€ euro"_s << 0;
        QTest::newRow("one bad byte: all Windows-1252") << "\xC3\xB6;a\n\xF6;b\n"_ba << u"Ã¶=a|ö=b"_s << 0;
        QTest::newRow("emoji") << "katt\t\xF0\x9F\x90\x88\n"_ba << u"katt=🐈"_s << 0;
        QTest::newRow("UTF-16 LE") << "\xFF\xFE\xF6\0g\0a\0\t\0e\0y\0e\0\r\0\n\0"_ba << u"öga=eye"_s << 0;
        QTest::newRow("UTF-16, a lone surrogate") << "\xFF\xFE\0\xD8" "a\0\t\0b\0"_ba << u"\uFFFDa=b"_s << 0;
        QTest::newRow("UTF-16 BE") << "\xFE\xFF\0\xF6\0g\0a\0;\0e\0y\0e"_ba << u"öga=eye"_s << 0;
        QTest::newRow("empty") << QByteArray() << "" << 0;
        QTest::newRow("a word longer than a word file holds")
            << "a\t" + QByteArray(254, 'x') + "\n" + QByteArray(253, 'y') + "\tb\n" << QString(253, u'y') + "=b" << 1;
        // clang-format on
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, pairs);
        QFETCH(int, skipped);
        const WordText::Parsed parsed = WordText::parse(bytes);
        QCOMPARE(render(parsed.pairs), pairs);
        QCOMPARE(parsed.skipped, skipped);
    }

    void format_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Pairs>("pairs");
        QTest::addColumn<QByteArray>("bytes");

        const Pairs plain{{u"öga"_s, "eye"}, {"bil", "car"}};
        QTest::newRow("tabs") << "a.txt" << plain << "\xC3\xB6ga\teye\nbil\tcar\n"_ba;
        QTest::newRow("csv, any case") << "a.CSV" << plain << "\xC3\xB6ga,eye\nbil,car\n"_ba;
        QTest::newRow("not a csv name") << "a.csv.txt" << Pairs{{"a", "b"}} << "a\tb\n"_ba;
        QTest::newRow("quoted where needed") << "a.tsv" << Pairs{{"a,b", "say \"hi\""}, {"#1", " x"}}
                                             << "\"a,b\"\t\"say \"\"hi\"\"\"\n\"#1\"\t\" x\"\n"_ba;
        QTest::newRow("nothing") << "a.csv" << Pairs{} << QByteArray();
    }

    void format()
    {
        QFETCH(QString, path);
        QFETCH(Pairs, pairs);
        QFETCH(QByteArray, bytes);
        QCOMPARE(WordText::format(pairs, WordText::formatFor(path)), bytes);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<Pairs>("pairs");

        const Pairs hard{{u"\uFEFFmark first"_s, "x"},
                         {"a,b;c", "\"quoted\""},
                         {"tab\there", "two\nlines\r\nand\rmore"},
                         {u"åäö ÅÄÖ"_s, u"😀 🐈‍⬛"_s},
                         {"#not a comment", " blanks around "},
                         {"\"", ","},
                         {"  ", "\t"}};
        for (const WordText::Format format : {WordText::Format::Tabs, WordText::Format::Csv}) {
            const char *name = format == WordText::Format::Csv ? "csv" : "tabs";
            QTest::addRow("%s: hard words", name) << int(format) << hard;
            QTest::addRow("%s: full list", name) << int(format) << Pairs(WordList::MaxPairs, {"sv", "en"});
        }
    }

    void roundTrip()
    {
        QFETCH(int, format);
        QFETCH(Pairs, pairs);
        const WordText::Parsed parsed = WordText::parse(WordText::format(pairs, WordText::Format(format)));
        QCOMPARE(parsed.pairs, pairs);
        QCOMPARE(parsed.skipped, 0);
    }

    void import_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("after");

        const QByteArray twelve = QByteArray("a\tb\n").repeated(12) + "x\n\ty\n";
        const QByteArray tooLarge = QByteArray(WordText::MaxFileBytes + 1, ' ');
        // clang-format off
        QTest::newRow("added and skipped") << 3 << twelve << "12 glosor lades till. 2 rader hoppades över." << 15;
        QTest::newRow("up to the limit") << 0 << QByteArray("a\tb\n").repeated(255)
            << "255 glosor lades till. 0 rader hoppades över." << 255;
        QTest::newRow("past the limit: refused whole") << 244 << twelve
            << "Glosorna i filen får inte plats i listan.\r\nListan rymmer högst 255 glosor. Den har 244 och filen 12."
            << 244;
        QTest::newRow("nothing to add") << 2 << "#bara en rubrik\n"_ba << "0 glosor lades till. 0 rader hoppades över." << 2;
        QTest::newRow("one of each") << 2 << "a\tb\nc\n"_ba << "1 glosa lades till. 1 rad hoppades över." << 3;
        QTest::newRow("16 MiB at most") << 0 << '#' + QByteArray(WordText::MaxFileBytes - 1, 'x')
            << "0 glosor lades till. 0 rader hoppades över." << 0;
        QTest::newRow("larger: refused") << 1 << tooLarge
            << "Filen är för stor för att vara en gloslista.\r\nEn textfil med glosor får vara högst 16 MiB." << 1;
        QTest::newRow("NUL without a mark: refused") << 1 << "a\0\tb\0\n"_ba
            << "Filen är ingen textfil.\r\nGlosor kan importeras från text i UTF-8, UTF-16 eller Windows-1252." << 1;
        QTest::newRow("a KDE document, by its content") << 2
            << "<kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><text>a</text></translation>"
               "<translation id=\"1\"><text>b</text></translation></entry><entry/></entries></kvtml>"_ba
            << "1 glosa lades till. 1 rad hoppades över." << 3;
        QTest::newRow("a broken KDE document: refused") << 1 << "<kvtml><e>"_ba
            << "Filen kunde inte läsas som en KDE-ordlista.\r\nDen är skadad eller innehåller sådant som en ordlista inte har."
            << 1;
        QTest::newRow("a folder: cannot be read") << 1 << QByteArray() << "Error = 21" << 1; // no bytes: a folder
        // clang-format on
    }

    void import()
    {
        QFETCH(int, before);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, after);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.txt"_s);
        QVERIFY(bytes.isNull() ? QDir().mkdir(path) : writeBytes(path, bytes));
        Commands c(before);
        c.dialogs.choosePath(path);

        importCommand(c.session);
        QCOMPARE(c.dialogs.takeFileRequests(),
                 (QList<FileDialogRequest>{
                     {u"Importera glosor"_s,
                      u"Alla ordlistor (*.txt *.tsv *.csv *.kvtml)|*.txt *.tsv *.csv *.kvtml|"_s + Filter +
                          u"|KDE-ordlistor (*.kvtml)|*.kvtml|Alla filer (*)|*"_s,
                      false, true, false}}));
        QCOMPARE(c.dialogs.takeMessages(), QList<Message>{okBox(message)});
        QCOMPARE(c.session.wordCount(), after);
        QCOMPARE(c.changes, after != before ? 1 : 0); // one change, however many pairs come
        if (after > before)
            QCOMPARE(c.session.list().pair(before + 1), (WordPair{"a", "b"}));
        VERIFY_NO_PENDING_DIALOGS(c.dialogs);
    }

    // What is written is checked by roundTrip, and export then import
    // through the main window; here the file is replaced and a failure told.
    void exportWritesTheChosenFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.csv"_s);
        QVERIFY(writeBytes(path, "gammalt innehåll"));
        Commands c(0);
        c.session.appendPair({u"öga"_s, u"eye"_s});
        c.dialogs.choosePath(path);
        c.dialogs.choosePath(dir.filePath(u"saknas/lista.txt"_s)); // a folder missing on the way
        exportCommand(c.session);
        exportCommand(c.session);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), "\xC3\xB6ga,eye\n"_ba);
        QCOMPARE(c.dialogs.takeFileRequests().value(1),
                 (FileDialogRequest{u"Exportera glosor"_s, Filter + u"|KDE-ordlistor (*.kvtml)|*.kvtml"_s, true, false,
                                    true}));
        QCOMPARE(c.dialogs.takeMessages(), QList<Message>{okBox(u"Fel vid skrivning till fil.\r\nError=2"_s)});

        // A KDE document by its name; imported again, the same pairs.
        c.dialogs.choosePath(dir.filePath(u"lista.KVTML"_s));
        exportCommand(c.session);
        c.dialogs.choosePath(dir.filePath(u"lista.KVTML"_s));
        importCommand(c.session);
        QCOMPARE(render(c.session.list().pairs()), u"öga=eye|öga=eye"_s);
        QCOMPARE(c.dialogs.takeMessages(), QList<Message>{okBox(u"1 glosa lades till. 0 rader hoppades över."_s)});
        c.dialogs.takeFileRequests();
        VERIFY_NO_PENDING_DIALOGS(c.dialogs);
    }
};

QTEST_GUILESS_MAIN(TestWordText)
#include "tst_wordtext.moc"
