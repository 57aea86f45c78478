#include "files/printouts.h"
#include "platform/qtswedish.h"
#include "platform/print/printpainter.h"
#include "support/testprogram.h"
#include "tour.h"

#include <QDir>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Day(2026, 12, 7);

WordList pairs(int count)
{
    WordList list;
    for (int n = 1; n <= count; ++n)
        list.append(u"ord%1"_s.arg(n), u"word%1"_s.arg(n));
    return list;
}

// Prints to a PDF file in folder and runs a tool of poppler's on it.
QByteArray printedThrough(const Printout &printout, const QString &folder, const QString &tool,
                          const QStringList &arguments, const QString &output = u"-"_s)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder + u"/utskrift.pdf"_s);
    paintPrintout(printer, printout);
    QProcess run;
    run.start(tool, arguments + QStringList{folder + u"/utskrift.pdf"_s, output});
    run.waitForFinished();
    return run.readAllStandardOutput();
}

// The text of each page, as pdftotext reads it.
QStringList pdfPages(const Printout &printout, const QString &folder)
{
    QStringList pages =
        QString::fromUtf8(printedThrough(printout, folder, u"pdftotext"_s, {u"-layout"_s})).split(u'\f');
    pages.removeAll(QString());
    return pages;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private slots:
    // The word a first pass of practice shows, for each pair once; the answer in the key.
    void quizWords_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("randomOrder");
        QTest::addColumn<QString>("quiz"); // "shown=answer|…"
        QTest::newRow("Svenska till engelska") << 1 << false << "ord1=word1|ord2=word2|ord3=word3";
        QTest::newRow("engelska till svenska") << 2 << false << "word1=ord1|word2=ord2|word3=ord3";
        QTest::newRow("Byter alltid") << 5 << false << "ord1=word1|word2=ord2|ord3=word3";
        QTest::newRow("Repetera: each pair once") << 6 << false << "word1=ord1|word2=ord2|word3=ord3";
        QTest::newRow("random order") << 1 << true << "ord2=word2|ord3=word3|ord1=word1";
    }
    void quizWords()
    {
        QFETCH(int, mode);
        QFETCH(bool, randomOrder);
        QFETCH(QString, quiz);
        AppState state;
        state.applyStartDefaults();
        state.directionMode = DirectionMode(mode);
        state.currentDirection = mode == 2 ? Direction::English : Direction::Swedish;
        state.practiceOrder = randomOrder ? PracticeOrder::Random : PracticeOrder::List;
        ScriptedRandom random;
        random.push({1, 1, 0});
        const Printout printout = quizPrintout(pairs(3), state, random, Day);
        QCOMPARE(printout.sections.size(), 2);
        QStringList shown;
        for (const QStringList &row : printout.sections[1].rows)
            shown << row[1] + u'=' + row[2];
        QCOMPARE(shown.join(u'|'), quiz);
        for (const QStringList &row : printout.sections[0].rows)
            QCOMPARE(row[2], QString()); // the quiz shows no answer
    }

    // Printed to PDF: every pair whole on one page, in order, numbered on;
    // the answer key from a page of its own.
    void initTestCase()
    {
        QVERIFY(useFixedLook());
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are missing: the PDF cannot be read back.");
    }

    void pagesNeverCutAPair()
    {
        const QTemporaryDir folder;
        const WordList list = pairs(150);
        const QStringList pages = pdfPages(listPrintout(list, Day), folder.path());
        QVERIFY(pages.size() >= 3);
        QVERIFY(pages[0].contains(u"Glosor – 2026-12-07"_s));
        int next = 1;
        for (const QString &page : pages) {
            QVERIFY(page.contains(u"Svenska"_s) && page.contains(u"Engelska"_s)); // the titles on every page
            while (next <= 150 && page.contains(QRegularExpression(u"\\b%1\\s+ord%1\\s+word%1\\b"_s.arg(next))))
                ++next;
        }
        QCOMPARE(next, 151); // all pairs, whole, in order

        const QStringList quiz = pdfPages(quizPrintout(pairs(3), AppState{}, m_random, Day), folder.path());
        QCOMPARE(quiz.size(), 2);
        QVERIFY(quiz[0].contains(u"Förhör – 2026-12-07"_s) && quiz[0].contains(u"ord2"_s) && !quiz[0].contains(u"word"_s));
        QVERIFY(quiz[1].contains(u"Facit"_s) && quiz[1].contains(QRegularExpression(u"2\\s+ord2\\s+word2"_s)));
    }

    // The first page of each, as the README shows it.
    void firstPagesLookAsTheirPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("list") << "print-list";
        QTest::newRow("quiz") << "print-quiz";
    }
    void firstPagesLookAsTheirPictures()
    {
        QFETCH(QString, name);
        const QTemporaryDir folder;
        const Printout printout = name == u"print-list" ? listPrintout(pairs(12), Day)
                                                        : quizPrintout(pairs(12), AppState{}, m_random, Day);
        printedThrough(printout, folder.path(), u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"40"_s, u"-singlefile"_s},
                       folder.filePath(u"page"_s));
        const QImage page(folder.filePath(u"page.png"_s));
        const QString reference = u"" ORDKVARNEN_REFERENCE_PICTURES "/"_s + name + u".png"_s;
        if (qEnvironmentVariableIsSet("ORDKVARNEN_WRITE_PICTURES"))
            QVERIFY(page.save(reference));
        QCOMPARE(page, QImage(reference).convertToFormat(page.format()));
    }

    // Qt's print dialog speaks Swedish once the catalogues are installed.
    void printDialogInSwedish()
    {
        const auto dialogTexts = [] {
            QPrinter printer;
            QPrintDialog dialog(&printer);
            QStringList texts;
            QTimer::singleShot(0, [&] {
                texts = textsOf(&dialog);
                dialog.reject();
            });
            dialog.exec();
            return texts;
        };
        const QSet<QString> english = wordsOf(dialogTexts());
        QtSwedishTexts swedishTexts;
        QVERIFY(swedishTexts.loadCatalogue() && QCoreApplication::installTranslator(&swedishTexts));
        const QSet<QString> swedish = wordsOf(dialogTexts());
        QCoreApplication::removeTranslator(&swedishTexts);
        QStringList left = (swedish & english).values();
        left.removeAll(u"PDF"_s);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
    }

private:
    ScriptedRandom m_random;
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
