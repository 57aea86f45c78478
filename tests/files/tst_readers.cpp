#include "commands/wordfiletexts.h"
#include "files/infofile.h"
#include "files/kvtml.h"
#include "files/wordfile.h"
#include "files/wordtext.h"
#include "platform/textcodec.h"
#include "support/fakes.h"

#include <QDir>

#include <sys/stat.h>

namespace {
struct InfoFile {
    const char *name;
    QString what; // "file", "sparse" (1 GB, the bytes at its start), "fifo", "folder", "none" or a path
    bool linked;  // through a symbolic link
    QByteArray bytes;
    QString text; // null: cannot be opened
};
struct Read {
    const char *name;
    QByteArray bytes;
    QString pairs; // "-": refused
    int skipped;
};
// A version 2.0 document with these identifiers and entries, as the KDE programs write them.
QByteArray kvtml(const QList<QByteArray> &languages, const QList<QList<QByteArray>> &entries)
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                          "<kvtml version=\"2.0\"><information><title>t</title></information><identifiers>";
    for (qsizetype id = 0; id < languages.size(); ++id)
        document += "<identifier id=\"" + QByteArray::number(id) + "\"><name>" + languages[id].split('/')[0] +
                    "</name><locale>" + languages[id].split('/').value(1) + "</locale></identifier>";
    document += "</identifiers><entries>";
    for (const QList<QByteArray> &words : entries) {
        document += "<entry id=\"0\">";
        for (qsizetype id = 0; id < words.size(); ++id)
            document += "<translation id=\"" + QByteArray::number(id) + "\"><text>" + words[id] +
                        "</text><comment>c</comment></translation>";
        document += "</entry>";
    }
    return document + "</entries></kvtml>";
}
} // namespace

class TestReaders : public QObject {
    Q_OBJECT

private slots:
    void wordFiles()
    {
        const QString longest = u"åäö"_s.repeated(85).left(WordFile::maxWordBytes(127)),
                      tooLong = u"Ordet \"%1\" är för långt för att sparas. | "
                                u"I en lista med %2 får ett ord ha högst %3 tecken."_s;
        for (const Scenario &row : QList<Scenario>{
                 {"127 pairs, words at the limit", render(Pairs(127, {longest, longest.toUpper()})), {}},
                 {"128 pairs", render(Pairs(128, {"s", "e"})),
                  "Listan har för många glosor för att sparas. | En glosfil rymmer högst 127 glosor."},
                 {"hund in two pairs", "bil=car|hund=dog", tooLong.arg("hund", "2 glosor", "3")},
                 {"a long word quoted in part", u"ö"_s.repeated(600'000) + "=a",
                  tooLong.arg(u"ö"_s.repeated(40) + u'…', "1 glosa", "1")},
                 {"ö as o and combining diaeresis", u"o\u0308ga=eye|bil=car"_s, {}},
                 {"bytes 80 to 9F, where Windows-1252 is not Latin-1", u"€ur=œ|bil=Ÿ…"_s, {}},
                 {"empty English word", "bil=car|hus=|=", "Fel vid skrivning till fil. | Glosan= "},
                 {"Greek letter", u"a=b|\u03B1=c"_s,
                  u"Ordet \"\u03B1\" har tecken som inte kan sparas i en glosfil. | "
                  u"En glosfil kan bara lagra tecken ur teckentabellen Windows-1252."_s},
             }) {
            NAME_ROW_ON_FAILURE(row);
            const WordFileBytes file = writeWordFile(pairsOf(row.given));
            QCOMPARE(file.outcome.ok() ? QString()
                                       : writeProblemText(file.outcome).replace(u"\r\n"_s, u" | "_s),
                     row.shown);
            QList<std::optional<QString>> words;
            for (const WordPair &pair : pairsOf(row.given))
                words << pair.swedish.normalized(QString::NormalizationForm_C) << pair.english;
            QVERIFY(!file.outcome.ok() || readWordFile(file.bytes).words == words);
        }
    }

    void text()
    {
        for (const Read &row : QList<Read>{
                 {"tabs", "bil\tcar\nöga\teye\n", u"bil=car|öga=eye"_s, 0},
                 {"semicolons, CRLF, no last end", "bil;car\r\nhus;house", "bil=car|hus=house", 0},
                 {"commas, lone CR", "bil,car\rhus,house\r", "bil=car|hus=house", 0},
                 {"first separator decides", "a;b,c\nd,e;f\n", "a=b,c|d,e=f", 0},
                 {"separator inside quotes passed", "\"a,b\";c\n", "a,b=c", 0},
                 {"first line without one", "rubrik\nbil,car\n", "bil=car", 1},
                 {"tags and notes ignored", "bil\tcar\ttag1 tag2\tnot\n", "bil=car", 0},
                 {"quoting", "\"sa \"\"hej\"\"\",\"two\nlines\"\n", "sa \"hej\"=two\nlines", 0},
                 {"quoted tab in tab file", "\"a\tb\"\tc\n", "a\tb=c", 0},
                 {"blanks around unquoted go", "  bil , car  \n", "bil=car", 0},
                 {"blanks inside quotes stay", "\" bil \", \"car\" \n", " bil =car", 0},
                 {"quote inside a word is text", "5\" sk\xC3\xA4rm,5\" screen\n", u"5\" skärm=5\" screen"_s,
                  0},
                 {"text after a quote kept", "\"bil\"en,car\n", "bilen=car", 0},
                 {"unclosed quote to the end", "a,\"b\nc,d\n", "a=b\nc,d\n", 0},
                 {"blank and comment lines quiet", "#sep:tab\n\n  \t \n#x;y\nbil\tcar\n\n", "bil=car", 0},
                 {"CRLF quiet and one-word lines", "#x\r\n\r\nrubrik\r\nbil;car\r\n", "bil=car", 1},
                 {"# inside a line is text", "a\t#b\n", "a=#b", 0},
                 {"lines without two words counted", "a\tb\nc\n\td\ne\t\n\"\"\t\"x\"\nf\tg\n", "a=b|f=g", 4},
                 {"UTF-8 with mark", "\xEF\xBB\xBF\xC3\xB6ga;eye\n", u"öga=eye"_s, 0},
                 {"Windows-1252", "\xF6ga;\x80 euro\n", u"öga=€ euro"_s, 0},
                 {"one bad byte: all Windows-1252", "\xC3\xB6;a\n\xF6;b\n", u"Ã¶=a|ö=b"_s, 0},
                 {"emoji", "katt\t\xF0\x9F\x90\x88\n", u"katt=🐈"_s, 0},
                 {"UTF-16 LE", "\xFF\xFE\xF6\0g\0a\0\t\0e\0y\0e\0\r\0\n\0"_ba, u"öga=eye"_s, 0},
                 {"UTF-16, a lone surrogate",
                  "\xFF\xFE\0\xD8"
                  "a\0\t\0b\0"_ba,
                  u"\uFFFDa=b"_s, 0},
                 {"UTF-16 BE", "\xFE\xFF\0\xF6\0g\0a\0;\0e\0y\0e"_ba, u"öga=eye"_s, 0},
                 {"empty", {}, "", 0},
                 {"a word longer than a word file holds",
                  "a\t" + QByteArray(254, 'x') + "\n" + QByteArray(253, 'y') + "\tb\n",
                  QString(253, u'y') + "=b", 1},
             }) {
            NAME_ROW_ON_FAILURE(row);
            const WordText::Parsed parsed = WordText::parse(row.bytes);
            QCOMPARE(render(parsed.pairs), row.pairs);
            QCOMPARE(parsed.skipped, row.skipped);
        }
    }

    void kdeDocuments_data()
    {
        const QList<QByteArray> svEn{"Svenska/sv", "English/en"};
        addRows<Read>({
            {"Swedish and English", kvtml(svEn, {{"hus", "house"}, {" katt ", "cat"}}), "hus=house|katt=cat",
             0},
            {"English first in the file", kvtml({"English/en", "Svenska/sv"}, {{"dog", "hund"}}), "hund=dog",
             0},
            {"by name, no locale", kvtml({"engelska", "Swedish"}, {{"dog", "hund"}}), "hund=dog", 0},
            {"two Swedish: the first",
             kvtml({"Svenska/sv", "English/en", "Svenska/sv"}, {{"hus", "house", "huset"}}), "hus=house", 0},
            {"a text outside a translation is no word",
             kvtml(svEn, {{"hus", "house"}})
                 .replace("<entries>", "<lessons><a><b><text>x</text></b></a></lessons><entries>"),
             "hus=house", 0},
            {"German and English", kvtml({"Deutsch/de", "English/en_US"}, {{"Haus", "house"}}), "Haus=house",
             0},
            {"only Swedish known: the first other",
             kvtml({"x/fr", "y/sv_SE", "z/de"}, {{"maison", "hus", "Haus"}}), "hus=maison", 0},
            {"states and capitals", kvtml({"State", "Capital"}, {{"Ohio", "Columbus"}}), "Ohio=Columbus", 0},
            {"entities and markup", kvtml(svEn, {{"a &amp; &lt;b&gt; &#x1F408;", "&quot;x&quot;"}}),
             u"a & <b> 🐈=\"x\""_s, 0},
            {"an empty side skipped", kvtml(svEn, {{"", "house"}, {"bil", "car"}}), "bil=car", 1},
            {"a word too long skipped", kvtml(svEn, {{QByteArray(254, 'x'), "y"}}), "", 1},
            {"version 1", "<kvtml><e><o l=\"sv\">hus</o><t l=\"en\">house</t></e><e><o>bil</o></e></kvtml>",
             "hus=house", 1},
            {"version 1, English first", "<kvtml><e><o l=\"en\">dog</o><t l=\"sv\">hund</t></e></kvtml>",
             "hund=dog", 0},
            // KDE's own sample: German, English and French; each translation is a language.
            {"version 1, three languages",
             "<kvtml><e><o l=\"de\">Haus</o><t l=\"en\">house</t><t l=\"fr\">maison</t></e>"
             "<e><o>Hund</o><t>dog</t><t>chien</t></e></kvtml>",
             "Haus=house|Hund=dog", 0},
            {"version 1, Swedish second of three",
             "<kvtml><e><o l=\"fr\">chat</o><t l=\"de\">Katze</t>"
             "<t l=\"sv\">katt</t></e></kvtml>",
             "katt=chat", 0},
            {"root after long comments",
             "<!--" + QByteArray(8000, 'x') + "-->\n<?pi x?>" + QByteArray(5000, ' ') +
                 "<kvtml><e><o l=\"sv\">hus</o><t l=\"en\">house</t></e></kvtml>",
             "hus=house", 0},
            {"not well-formed", kvtml(svEn, {}).replace("</entries>", "<entry>"), "-", 0},
            {"billion laughs",
             "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
             "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><kvtml version=\"2.0\">&b;</kvtml>",
             "-", 0},
            {"external entity",
             "<!DOCTYPE kvtml [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><kvtml>&x;</kvtml>", "-", 0},
            {"undeclared entity", "<kvtml version=\"2.0\">&x;</kvtml>", "-", 0},
            {"100'000 nested elements", "<kvtml>" + QByteArray("<a>").repeated(100000), "-", 0},
            {"another root", "<html><body>x</body></html>", "not kvtml", 0},
        });
    }
    void kdeDocuments()
    {
        QFETCH(Read, row);
        QCOMPARE(Kvtml::looksLikeKvtml(row.bytes), row.pairs != u"not kvtml");
        const std::optional<Kvtml::Parsed> parsed = Kvtml::parse(row.bytes);
        QCOMPARE(parsed ? render(parsed->pairs) : u"-"_s, row.pairs == u"not kvtml" ? u"-"_s : row.pairs);
        QCOMPARE(parsed ? parsed->skipped : 0, row.skipped);
    }

    // Whatever a list holds comes back from text, CSV and KDE documents as it was.
    void roundTrips()
    {
        const Pairs hard = pairsOf(
            u"\uFEFFmark first=x|a,b;c=\"quoted\" 'too'|tab\there=two\nlines\r\nand\rmore|"
            u"åäö ÅÄÖ=😀 🐈‍⬛|#not a comment= blanks around |\"=,|  =\t|a<b=c&d|]]>=&amp;"_s);
        for (const Pairs &pairs : {hard, Pairs(WordList::MaxPairs, {"sv", "en"})}) {
            for (const auto format : {WordText::Format::Tabs, WordText::Format::Csv}) {
                const WordText::Parsed parsed = WordText::parse(WordText::format(pairs, format));
                QCOMPARE(parsed.pairs, pairs);
                QCOMPARE(parsed.skipped, 0);
            }
            const std::optional<Kvtml::Parsed> parsed = Kvtml::parse(*Kvtml::format(pairs, u"t"_s));
            QVERIFY(parsed && parsed->skipped == 0);
            QCOMPARE(parsed->pairs, pairs);
        }
        QString bad; // a control character has no place in XML: the word is named instead
        QVERIFY(!Kvtml::format({{"a", u"b\u0001"_s}}, u"x"_s, &bad) && bad == u"b\u0001"_s);
    }

    // Bytes the code page leaves undefined are the C1 controls of the same number; marks are found in a
    // sixteen-byte step, at the start of the tail and at its end.
    void windows1252()
    {
        const QByteArray bytes =
            QByteArray::fromHex("808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9F") +
            QByteArray(17, 'a') + "\x80" + QByteArray(14, 'b') + "\x9F" + QByteArray(7, 'c') +
            "\x85h\xE5r\r\n\xF6";
        const QString text = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s +
                             QString(17, u'a') + u'€' + QString(14, u'b') + u'Ÿ' + QString(7, u'c') +
                             u"…hår\r\nö"_s;
        bool ok = false;
        QVERIFY(encodeWindows1252(text, &ok) == bytes && ok);
        QCOMPARE(decodeWindows1252(bytes), text);
        QCOMPARE(decodeTextFile(bytes), text);
        QCOMPARE(decodeTextFile("ab\xC3"), u"abÃ"_s);                        // UTF-8 cut off at the end
        QVERIFY(encodeWindows1252(u"a\u03B1b😀"_s, &ok) == "a?b?"_ba && !ok); // a question mark each
    }

    void infoFile()
    {
        const QByteArray a(1 << 20, 'a'), limit(InfoTextLimit - 1, 'a'), emoji(InfoTextLimit - 3, 'a');
        for (const InfoFile &row : QList<InfoFile>{
                 // ö's two bytes on either side of the first MiB.
                 {"UTF-8 over 1 MiB", "file", false, a.chopped(1) + "\xC3\xB6 slut",
                  a.chopped(1) + u"ö slut"_s},
                 // Only the start of a huge file, ending on a whole character.
                 {"UTF-8 cut at the limit", "file", false, limit + "\xC3\xB6", limit},
                 {"UTF-8 emoji cut", "file", false, emoji + "\xF0\x9F\x90\x88", emoji},
                 // UTF-8 still, though the cut leaves only part of the emoji's four bytes.
                 {"UTF-8 emoji cut after two bytes", "file", false,
                  "\xC3\xB6" + emoji.mid(1) + "\xF0\x9F\x90\x88", u"ö"_s + emoji.mid(1)},
                 {"Windows-1252 at the limit", "file", false, limit + "\xF6\xF6", QString(limit) + u"ö"_s},
                 {"sparse 1 GB", "sparse", false, "h\xC3\xA5r",
                  u"hår"_s + QString(InfoTextLimit - 4, QChar(0))},
                 {"byte-order mark", "file", true, "\xEF\xBB\xBFh\xC3\xA5r", u"hår"_s},
                 {"none", "none", false, {}, {}},
                 {"folder", "folder", false, {}, {}},
                 {"named pipe", "fifo", false, {}, {}},
                 {"device, linked", "/dev/zero", true, {}, {}},
             }) {
            NAME_ROW_ON_FAILURE(row);
            const QTemporaryDir dir;
            QString path = row.what.startsWith(u'/') ? row.what : dir.filePath(u"glos.txt"_s);
            if (row.what == u"file" || row.what == u"sparse") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(row.bytes) == row.bytes.size());
                QVERIFY(row.what == u"file" || file.resize(qint64(1) << 30));
            } else if (row.what == u"fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else if (row.what == u"folder") {
                QVERIFY(QDir().mkdir(path));
            }
            if (row.linked) {
                QVERIFY(QFile::link(path, dir.filePath(u"länk.txt"_s)));
                path = dir.filePath(u"länk.txt"_s);
            }
            const std::optional<QString> read = readInfoText(path); // returns, whatever is there
            QCOMPARE(read.has_value(), !row.text.isNull());
            QCOMPARE(read.value_or(QString()), row.text);
        }
    }

    void textForShowing()
    {
        const QString run(LongRun, u'x');
        for (const Scenario &row : QList<Scenario>{
                 {"past it, twice", u"a "_s + run + run + u'y', u"a \n"_s + run + u'\n' + run + u"\ny"_s},
                 {"after blank and tab, not line break", run + u' ' + run + u'\t' + run + u"\r\n"_s + run,
                  run + u" \n"_s + run + u"\t\n"_s + run + u'\n' + run},
                 {"words", u"ab "_s.repeated(4000), u"ab "_s.repeated(3333) + u'\n' + u"ab "_s.repeated(667)},
                 {"no-break space", run + u'\u00A0', run + u"\n\u00A0"_s},
                 {"2000 lines at most", u"rad\n"_s.repeated(3000), u"rad\n"_s.repeated(1999) + u"rad"_s},
             }) {
            NAME_ROW_ON_FAILURE(row);
            QCOMPARE(::textForShowing(row.given), row.shown);
        }
    }
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
