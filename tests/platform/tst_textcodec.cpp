#include "platform/textcodec.h"

#include <QTest>

class TextCodecTest : public QObject {
    Q_OBJECT

private slots:
    void charactersAndTheirBytes_data();
    void charactersAndTheirBytes();
    void everyByteSurvivesARoundTrip();
    void fileTextIsUtf8WhenValidElseWindows1252_data();
    void fileTextIsUtf8WhenValidElseWindows1252();
};

void TextCodecTest::charactersAndTheirBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("encodable");
    // Swedish letters, then 0x80-0x9F, where bytes the code page leaves undefined are C1 controls.
    const QString chars = QStringLiteral("åäöÅÄÖ€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QByteArray bytes("\xE5\xE4\xF6\xC5\xC4\xD6");
    for (int byte = 0x80; byte < 0xA0; ++byte)
        bytes.append(char(byte));
    for (qsizetype i = 0; i < chars.size(); ++i)
        QTest::addRow("%02X", uchar(bytes[i])) << chars.mid(i, 1) << bytes.mid(i, 1) << true;
    QTest::newRow("Greek") << QStringLiteral("a\u03B1b") << QByteArray("a?b") << false;
    QTest::newRow("C1 control 80") << QStringLiteral("\u0080") << QByteArray("?") << false;
    QTest::newRow("outside the basic plane") << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?") << false;
}

void TextCodecTest::charactersAndTheirBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, encodable);
    bool ok = !encodable;
    QCOMPARE(encodeWindows1252(text, &ok), bytes);
    QCOMPARE(ok, encodable);
    if (encodable)
        QCOMPARE(decodeWindows1252(bytes), text);
}

void TextCodecTest::everyByteSurvivesARoundTrip()
{
    QByteArray all(256, '\0');
    for (int byte = 0; byte < 256; ++byte)
        all[byte] = char(byte);
    bool ok = false;
    QCOMPARE(encodeWindows1252(decodeWindows1252(all), &ok), all);
    QVERIFY(ok);
}

void TextCodecTest::fileTextIsUtf8WhenValidElseWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8, CRLF kept") << QByteArray("h\xC3\xA5r\r\n\xC3\xB6") << QStringLiteral("hår\r\nö");
    QTest::newRow("UTF-8, BOM") << QByteArray("\xEF\xBB\xBF\xC3\x85ska") << QStringLiteral("Åska");
    QTest::newRow("Windows-1252, CRLF kept") << QByteArray("h\xE5r\r\n\xF6") << QStringLiteral("hår\r\nö");
    QTest::newRow("UTF-8 cut off at the end") << QByteArray("ab\xC3") << QStringLiteral("abÃ");
    QTest::newRow("stray continuation byte") << QByteArray("\x80 och \xC3\xA5") << QStringLiteral("€ och Ã¥");
}

void TextCodecTest::fileTextIsUtf8WhenValidElseWindows1252()
{
    QFETCH(QByteArray, bytes);
    QTEST(decodeTextFile(bytes), "text");
}

QTEST_MAIN(TextCodecTest)
#include "tst_textcodec.moc"
