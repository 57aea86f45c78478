#include "platform/textcodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TextCodecTest : public QObject {
    Q_OBJECT

private slots:
    void windows1252BytesAndTheirText_data()
    {
        QTest::addColumn<QByteArray>(
            "bytes"); // none of them valid UTF-8, so files of them are Windows-1252 too
        QTest::addColumn<QString>("text");
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte)
            all[byte] = char(byte);
        QTest::newRow("Swedish") << QByteArray("\xE5\xE4\xF6\xC5\xC4\xD6") << u"åäöÅÄÖ"_s;
        // Bytes the code page leaves undefined are the C1 controls of the same number.
        QTest::newRow("80-9F") << all.mid(0x80, 0x20)
                               << u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s;
        // Marks in a sixteen-byte step, at the start of the next, and in the tail.
        QTest::newRow("long text") << QByteArray(17, 'a') + "\x80" + QByteArray(14, 'b') + "\x9F" +
                                          QByteArray(7, 'c') + "\x85"
                                   << QString(17, u'a') + u'€' + QString(14, u'b') + u'Ÿ' + QString(7, u'c') +
                                          u'…';
        QTest::newRow("every byte and back") << all << decodeWindows1252(all);
        QTest::newRow("file, CRLF kept") << QByteArray("h\xE5r\r\n\xF6") << u"hår\r\nö"_s;
        QTest::newRow("file, UTF-8 cut off at the end") << QByteArray("ab\xC3") << u"abÃ"_s;
    }
    void windows1252BytesAndTheirText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        bool ok = false;
        QCOMPARE(encodeWindows1252(text, &ok), bytes);
        QVERIFY(ok);
        QCOMPARE(decodeWindows1252(bytes), text);
        QCOMPARE(decodeTextFile(bytes), text);
    }

    void charactersWithoutAByteBecomeOneQuestionMarkEach()
    {
        bool ok = true;
        QCOMPARE(encodeWindows1252(u"a\u03B1b😀"_s, &ok), QByteArray("a?b?"));
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "tst_textcodec.moc"
