#include "commands/printouts.h"
#include "platform/print/printpainter.h"
#include "support/fakes.h"
#include "tour.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
const QDate Day(2026, 12, 7);

WordList pairs(int count)
{
    WordList list;
    for (int n = 1; n <= count; ++n)
        list.append(u"ord%1"_s.arg(n), u"word%1"_s.arg(n));
    return list;
}

// Prints to utskrift.pdf in folder and runs a tool of poppler's on it; pdftotext: the text of each page.
QStringList printedThrough(const Printout &printout, const QTemporaryDir &folder, const QStringList &tool)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder.filePath(u"utskrift.pdf"_s));
    paintPrintout(printer, printout);
    QProcess run;
    run.start(tool[0],
              tool.mid(1) + QStringList{folder.filePath(u"utskrift.pdf"_s), folder.filePath(u"page"_s)});
    run.waitForFinished();
    return QString::fromUtf8(readBytes(folder.filePath(u"page"_s))).split(u'\f', Qt::SkipEmptyParts);
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(useFixedLook());
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are missing: the PDF cannot be read back.");
    }

    // Per mode (and in random order), the word a first pass of practice shows, each pair once, without its
    // answer; the answer in the key.
    void quizWords()
    {
        QStringList shown;
        for (const QString &mode : {u"1"_s, u"2"_s, u"5"_s, u"6"_s, u"1 random"_s}) {
            AppState state;
            state.applyStartDefaults();
            state.directionMode = DirectionMode(mode.left(1).toInt());
            state.currentDirection = mode == u"2" ? Direction::English : Direction::Swedish;
            state.practiceOrder = mode.endsWith(u"random") ? PracticeOrder::Random : PracticeOrder::List;
            ScriptedRandom random;
            random.push({1, 1, 0});
            const Printout printout = quizPrintout(pairs(3), state, random, Day);
            for (int n = 0; n < 3; ++n)
                shown << printout.sections[0].rows.value(n).value(1) +
                             printout.sections[0].rows.value(n).value(2) + u'=' +
                             printout.sections.value(1).rows.value(n).value(2);
        }
        QCOMPARE(shown.join(u' '),
                 u"ord1=word1 ord2=word2 ord3=word3 word1=ord1 word2=ord2 word3=ord3 ord1=word1 word2=ord2 "
                 u"ord3=word3 word1=ord1 word2=ord2 word3=ord3 ord2=word2 ord3=word3 "
                 u"ord1=word1"_s);
    }

    // Every pair whole on one page, in order, the titles on every page; the key from a page of its own.
    void pagesNeverCutAPair()
    {
        const QTemporaryDir folder;
        const QStringList pages =
            printedThrough(listPrintout(pairs(150), Day), folder, {u"pdftotext"_s, u"-layout"_s});
        QVERIFY(pages.size() >= 3 && pages[0].contains(u"Glosor – 2026-12-07"_s));
        int next = 1;
        for (const QString &page : pages) {
            QVERIFY(page.contains(u"Svenska"_s) && page.contains(u"Engelska"_s));
            QVERIFY(page.contains(u"Sida %1 av %2"_s.arg(&page - pages.data() + 1).arg(pages.size())));
            while (next <= 150 &&
                   page.contains(QRegularExpression(u"\\b%1\\s+ord%1\\s+word%1\\b"_s.arg(next))))
                ++next;
        }
        QCOMPARE(next, 151);
        ScriptedRandom random;
        const QStringList quiz = printedThrough(quizPrintout(pairs(3), AppState{}, random, Day), folder,
                                                {u"pdftotext"_s, u"-layout"_s});
        QCOMPARE(quiz.size(), 2);
        QVERIFY(quiz[1].contains(u"Sida 2 av 2"_s));
        QVERIFY(quiz[0].contains(u"Förhör – 2026-12-07"_s) && quiz[0].contains(u"ord2"_s) &&
                !quiz[0].contains(u"word"_s));
        QVERIFY(quiz[1].contains(u"Facit"_s) &&
                quiz[1].contains(QRegularExpression(u"2\\s+ord2\\s+word2"_s)));
    }

    // A phrase breaks between its words; one page needs no number.
    void linesBreakBetweenWords()
    {
        const QTemporaryDir folder;
        WordList list;
        list.append(u"kanelbulle "_s.repeated(20).trimmed(), u"cinnamon bun"_s);
        const QStringList pages =
            printedThrough(listPrintout(list, Day), folder, {u"pdftotext"_s, u"-layout"_s});
        QCOMPARE(pages.size(), 1);
        QVERIFY(!pages[0].contains(u"Sida"_s));
        const QStringList pieces = pages[0].split(QRegularExpression(u"\\s+"_s)).filter(u"kan"_s);
        QCOMPARE(pieces, QStringList(20, u"kanelbulle"_s));
    }

    // The first page of each, as the README shows it, inked only within margins of 15 mm.
    void firstPagesLookAsTheirPictures()
    {
        ScriptedRandom random;
        for (const QString &name : {u"print-list"_s, u"print-quiz"_s}) {
            const QTemporaryDir folder;
            printedThrough(name == u"print-list" ? listPrintout(pairs(12), Day)
                                                 : quizPrintout(pairs(12), AppState{}, random, Day),
                           folder, {u"pdftoppm"_s, u"-png"_s, u"-r"_s, u"40"_s, u"-singlefile"_s});
            const QImage page(folder.filePath(u"page.png"_s));
            const QString reference = u"" ORDKVARNEN_REFERENCE_PICTURES "/"_s + name + u".png"_s;
            QVERIFY(!qEnvironmentVariableIsSet("ORDKVARNEN_WRITE_PICTURES") || page.save(reference));
            QCOMPARE(page, QImage(reference).convertToFormat(page.format()));
            const int margin = qCeil(15 / 25.4 * 40) - 1; // pixels at 40 dpi, less one for rounding
            for (int y = 0; y < page.height(); ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    const bool inside =
                        x >= margin && y >= margin && x < page.width() - margin && y < page.height() - margin;
                    QVERIFY2(inside || page.pixel(x, y) == qRgb(255, 255, 255), qPrintable(name));
                }
            }
        }
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
