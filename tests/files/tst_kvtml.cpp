#include "files/kvtml.h"
#include "support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A version 2.0 document with these identifiers and entries, written as the
// KDE programs write them.
QByteArray version2(const QByteArray &identifiers, const QByteArray &entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
           "<kvtml version=\"2.0\"><information><title>t</title></information><identifiers>" +
           identifiers + "</identifiers><entries>" + entries + "</entries></kvtml>";
}

QByteArray identifier(int id, const QByteArray &name, const QByteArray &locale)
{
    return "<identifier id=\"" + QByteArray::number(id) + "\"><name>" + name + "</name><locale>" + locale +
           "</locale></identifier>";
}

QByteArray entry(const QByteArray &zero, const QByteArray &one, const QByteArray &two = {})
{
    QByteArray translations = "<translation id=\"0\"><text>" + zero + "</text><comment>c</comment></translation>" +
                              "<translation id=\"1\"><text>" + one + "</text></translation>";
    if (!two.isEmpty())
        translations += "<translation id=\"2\"><text>" + two + "</text></translation>";
    return "<entry id=\"0\">" + translations + "</entry>";
}

} // namespace

class TestKvtml : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("pairs"); // "-": refused
        QTest::addColumn<int>("skipped");
        const QByteArray svEn = identifier(0, "Svenska", "sv") + identifier(1, "English", "en");
        const QByteArray deEn = identifier(0, "Deutsch", "de") + identifier(1, "English", "en_US");
        const QByteArray states = identifier(0, "State", "") + identifier(1, "Capital", "");
        const QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\">"
                                  "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><kvtml version=\"2.0\">&b;</kvtml>";
        // clang-format off
        QTest::newRow("Swedish and English") << version2(svEn, entry("hus", "house") + entry(" katt ", "cat"))
                                             << "hus=house|katt=cat" << 0;
        QTest::newRow("English first in the file") << version2(identifier(0, "English", "en") + identifier(1, "Svenska", "sv"),
                                                               entry("dog", "hund")) << "hund=dog" << 0;
        QTest::newRow("by name, no locale") << version2(identifier(0, "engelska", "") + identifier(1, "Swedish", ""),
                                                        entry("dog", "hund")) << "hund=dog" << 0;
        QTest::newRow("German and English") << version2(deEn, entry("Haus", "house")) << "Haus=house" << 0;
        QTest::newRow("only Swedish known: the first other") << version2(identifier(0, "x", "fr") + identifier(1, "y", "sv_SE")
                                                                         + identifier(2, "z", "de"),
                                                                         entry("maison", "hus", "Haus")) << "hus=maison" << 0;
        QTest::newRow("states and capitals") << version2(states, entry("Ohio", "Columbus")) << "Ohio=Columbus" << 0;
        QTest::newRow("entities and markup") << version2(svEn, entry("a &amp; &lt;b&gt; &#x1F408;", "&quot;x&quot;"))
                                             << u"a & <b> 🐈=\"x\""_s << 0;
        QTest::newRow("an empty side skipped") << version2(svEn, entry("", "house") + entry("bil", "car")) << "bil=car" << 1;
        QTest::newRow("a word too long skipped") << version2(svEn, entry(QByteArray(254, 'x'), "y")) << "" << 1;
        QTest::newRow("version 1") << "<kvtml><e><o l=\"sv\">hus</o><t l=\"en\">house</t></e><e><o>bil</o></e></kvtml>"_ba
                                   << "hus=house" << 1;
        QTest::newRow("version 1, English first") << "<kvtml><e><o l=\"en\">dog</o><t l=\"sv\">hund</t></e></kvtml>"_ba
                                                  << "hund=dog" << 0;
        QTest::newRow("not well-formed") << version2(svEn, "<entry><translation id=\"0\">") << "-" << 0;
        QTest::newRow("another root") << "<html><body>x</body></html>"_ba << "-" << 0;
        QTest::newRow("billion laughs") << laughs << "-" << 0;
        QTest::newRow("external entity") << "<!DOCTYPE kvtml [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><kvtml>&x;</kvtml>"_ba
                                         << "-" << 0;
        QTest::newRow("undeclared entity") << "<kvtml version=\"2.0\">&x;</kvtml>"_ba << "-" << 0;
        QTest::newRow("100000 nested elements") << "<kvtml>" + QByteArray("<a>").repeated(100'000) << "-" << 0;
        // clang-format on
    }
    void parse()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, pairs);
        QFETCH(int, skipped);
        QVERIFY(Kvtml::looksLikeKvtml(document) == (QByteArray(QTest::currentDataTag()) != "another root"));
        const std::optional<Kvtml::Parsed> parsed = Kvtml::parse(document);
        QCOMPARE(parsed ? render(parsed->pairs) : u"-"_s, pairs);
        QCOMPARE(parsed ? parsed->skipped : 0, skipped);
    }

    void exportedDocument()
    {
        const QByteArray written = *Kvtml::format({{"hus", "house"}, {" a&b ", "<c>"}}, u"glosor"_s);
        QCOMPARE(written, // the whole document, as the KDE programs read it
                 QByteArray()  +
                              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                              "<kvtml version=\"2.0\">\n"
                              " <information>\n  <generator>Ordkvarnen</generator>\n  <title>glosor</title>\n"
                              " </information>\n"
                              " <identifiers>\n"
                              "  <identifier id=\"0\">\n   <name>Svenska</name>\n   <locale>sv</locale>\n  </identifier>\n"
                              "  <identifier id=\"1\">\n   <name>English</name>\n   <locale>en</locale>\n  </identifier>\n"
                              " </identifiers>\n"
                              " <entries>\n"
                              "  <entry id=\"0\">\n   <translation id=\"0\">\n    <text>hus</text>\n   </translation>\n"
                              "   <translation id=\"1\">\n    <text>house</text>\n   </translation>\n  </entry>\n"
                              "  <entry id=\"1\">\n   <translation id=\"0\">\n"
                              "    <text xml:space=\"preserve\"> a&amp;b </text>\n   </translation>\n"
                              "   <translation id=\"1\">\n    <text>&lt;c&gt;</text>\n   </translation>\n  </entry>\n"
                              " </entries>\n</kvtml>\n");
        QString bad;
        QVERIFY(!Kvtml::format({{"a", u"b\u0001"_s}}, u"x"_s, &bad));
        QCOMPARE(bad, u"b\u0001"_s);
    }

    void roundTrip()
    {
        const QList<WordPair> pairs{{"a<b", "c&d"}, {"\"quoted\" 'too'", u"😀 🐈‍⬛"_s},
                                    {" blanks around ", "\ttab and\nline\r\n"}, {u"åäö"_s, "]]>"}};
        const std::optional<Kvtml::Parsed> parsed = Kvtml::parse(*Kvtml::format(pairs, u"t"_s));
        QVERIFY(parsed);
        QCOMPARE(parsed->pairs, pairs);
        QCOMPARE(parsed->skipped, 0);
    }
};

QTEST_GUILESS_MAIN(TestKvtml)
#include "tst_kvtml.moc"
