#include "platform/textcodec.h"

#include <QTest>

class TextCodecTest : public QObject {
    Q_OBJECT

private slots:
    void swedishLettersMapToTheirBytes_data();
    void swedishLettersMapToTheirBytes();
    void bytes80To9FAreTheWindowsPunctuation_data();
    void bytes80To9FAreTheWindowsPunctuation();
    void everyByteSurvivesARoundTrip();
    void charactersWithoutAByteBecomeQuestionMarks_data();
    void charactersWithoutAByteBecomeQuestionMarks();
    void okStaysTrueWhenEverythingEncodes();
    void fileTextIsUtf8WhenValidElseWindows1252_data();
    void fileTextIsUtf8WhenValidElseWindows1252();
};

void TextCodecTest::swedishLettersMapToTheirBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("å") << QStringLiteral("å") << QByteArray("\xE5");
    QTest::newRow("ä") << QStringLiteral("ä") << QByteArray("\xE4");
    QTest::newRow("ö") << QStringLiteral("ö") << QByteArray("\xF6");
    QTest::newRow("Å") << QStringLiteral("Å") << QByteArray("\xC5");
    QTest::newRow("Ä") << QStringLiteral("Ä") << QByteArray("\xC4");
    QTest::newRow("Ö") << QStringLiteral("Ö") << QByteArray("\xD6");
    QTest::newRow("word") << QStringLiteral("Översättning: hus") << QByteArray("\xD6vers\xE4ttning: hus");
}

void TextCodecTest::swedishLettersMapToTheirBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(decodeWindows1252(bytes), text);
    bool ok = false;
    QCOMPARE(encodeWindows1252(text, &ok), bytes);
    QVERIFY(ok);
}

void TextCodecTest::bytes80To9FAreTheWindowsPunctuation_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("low single quote") << 0x82 << 0x201A;
    QTest::newRow("florin") << 0x83 << 0x0192;
    QTest::newRow("low double quote") << 0x84 << 0x201E;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("dagger") << 0x86 << 0x2020;
    QTest::newRow("double dagger") << 0x87 << 0x2021;
    QTest::newRow("circumflex") << 0x88 << 0x02C6;
    QTest::newRow("per mille") << 0x89 << 0x2030;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("left angle quote") << 0x8B << 0x2039;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("left single quote") << 0x91 << 0x2018;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("right double quote") << 0x94 << 0x201D;
    QTest::newRow("bullet") << 0x95 << 0x2022;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("small tilde") << 0x98 << 0x02DC;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("s caron") << 0x9A << 0x0161;
    QTest::newRow("right angle quote") << 0x9B << 0x203A;
    QTest::newRow("oe") << 0x9C << 0x0153;
    QTest::newRow("z caron") << 0x9E << 0x017E;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    // Undefined in the code page; Windows passes them through as C1 controls.
    QTest::newRow("undefined 81") << 0x81 << 0x0081;
    QTest::newRow("undefined 8D") << 0x8D << 0x008D;
    QTest::newRow("undefined 8F") << 0x8F << 0x008F;
    QTest::newRow("undefined 90") << 0x90 << 0x0090;
    QTest::newRow("undefined 9D") << 0x9D << 0x009D;
}

void TextCodecTest::bytes80To9FAreTheWindowsPunctuation()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QByteArray bytes(1, char(byte));
    const QString text{QChar(char16_t(codePoint))};
    QCOMPARE(decodeWindows1252(bytes), text);
    QCOMPARE(encodeWindows1252(text), bytes);
}

void TextCodecTest::everyByteSurvivesARoundTrip()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    bool ok = false;
    QCOMPARE(encodeWindows1252(text, &ok), all);
    QVERIFY(ok);
}

void TextCodecTest::charactersWithoutAByteBecomeQuestionMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Greek") << QStringLiteral("a\u03B1b") << QByteArray("a?b");
    QTest::newRow("C1 control whose byte is the euro") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("outside the basic plane is one mark")
        << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TextCodecTest::charactersWithoutAByteBecomeQuestionMarks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool ok = true;
    QCOMPARE(encodeWindows1252(text, &ok), bytes);
    QVERIFY(!ok);
}

void TextCodecTest::okStaysTrueWhenEverythingEncodes()
{
    bool ok = false;
    QCOMPARE(encodeWindows1252(QString(), &ok), QByteArray());
    QVERIFY(ok);
    QCOMPARE(encodeWindows1252(QStringLiteral("€ 5 – ”bra”")), QByteArray("\x80 5 \x96 \x94"
                                                                          "bra\x94"));
}

void TextCodecTest::fileTextIsUtf8WhenValidElseWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << QByteArray("h\xC3\xA5r \xC3\xA4r \xC3\xB6") << QStringLiteral("hår är ö");
    QTest::newRow("UTF-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBF\xC3\x85ska") << QStringLiteral("Åska");
    QTest::newRow("Windows-1252") << QByteArray("h\xE5r \xE4r \xF6") << QStringLiteral("hår är ö");
    QTest::newRow("Windows-1252 capitals") << QByteArray("\xC5\xC4\xD6") << QStringLiteral("ÅÄÖ");
    QTest::newRow("ASCII") << QByteArray("glosor 1-2") << QStringLiteral("glosor 1-2");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("CRLF kept") << QByteArray("rad 1\r\nrad 2\r\n") << QStringLiteral("rad 1\r\nrad 2\r\n");
    QTest::newRow("CRLF kept in Windows-1252")
        << QByteArray("f\xF6rsta\r\nandra") << QStringLiteral("första\r\nandra");
    QTest::newRow("UTF-8 cut off at the end is Windows-1252")
        << QByteArray("ab\xC3") << QStringLiteral("abÃ");
    QTest::newRow("stray continuation byte is Windows-1252")
        << QByteArray("\x80 och \xC3\xA5") << QStringLiteral("€ och Ã¥");
}

void TextCodecTest::fileTextIsUtf8WhenValidElseWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeTextFile(bytes), text);
}

QTEST_MAIN(TextCodecTest)
#include "tst_textcodec.moc"
