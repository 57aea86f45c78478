#include "platform/qtswedish.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Qt's own dialogs speak Swedish once the catalogue is installed.
class TestQtSwedish : public QObject {
    Q_OBJECT

    QtSwedishTexts m_texts;

    static QStringList buttonTexts(QWidget *dialog)
    {
        QStringList texts;
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            texts << button->text();
        return texts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_texts.loadCatalogue(), "qt_sv.qm is missing: install qt6-translations-l10n");
        QVERIFY(QCoreApplication::installTranslator(&m_texts));
    }

    void dialogButtons()
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), u"Avbryt"_s);
        QFileDialog files(nullptr, u"Spara glosor"_s);
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        QVERIFY2(buttonTexts(&files).contains(u"&Spara"_s), qPrintable(buttonTexts(&files).join(u',')));
        QColorDialog colors;
        colors.setOption(QColorDialog::DontUseNativeDialog);
        QVERIFY2(buttonTexts(&colors).contains(u"Avbryt"_s), qPrintable(buttonTexts(&colors).join(u',')));
    }
};

QTEST_MAIN(TestQtSwedish)
#include "tst_qtswedish.moc"
