#include "platform/qtswedish.h"
#include "platform/widgetdialogs.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

namespace {
// Every text of the program's file, colour, message and print dialogs.
QStringList dialogTexts(const QString &folder)
{
    QStringList texts;
    // Reads the modal dialog that open shows, in both of a file dialog's views, and cancels it.
    const auto read = [&texts, &folder](const std::function<void()> &open) {
        QTimer::singleShot(0, [&texts, &folder] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                texts << textsOf(dialog);
                if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                    files->setDirectory(folder);
                    files->setViewMode(QFileDialog::Detail);
                    texts << textsOf(files);
                }
                dialog->reject();
            }
        });
        open();
    };
    WidgetDialogs dialogs;
    read([&] { dialogs.openFile({u"Ladda"_s, u"Glos filer(*.gls)|*.gls"_s, false, true, false}); });
    read([&] { dialogs.saveFile({u"Spara"_s, u"Glos filer(*.gls)|*.gls"_s, true, false, false}); });
    read([&] { dialogs.chooseColor({u"Färg"_s, 0}); });
    read([&] { dialogs.message({u"x"_s, {}, Message::Buttons::Ok, Message::Icon::None}); });
    QPrinter printer;
    QPrintDialog print(&printer);
    read([&] { print.exec(); });
    texts.removeAll(QString());
    return texts;
}
} // namespace

// Once the catalogues are installed, no word Qt's dialogs show in English is left.
class TestQtSwedish : public QObject {
    Q_OBJECT

private slots:
    void noEnglishLeft()
    {
        const QTemporaryDir folder;
        QDir(folder.path()).mkdir(u"mapp"_s);
        const QSet<QString> english = wordsOf(dialogTexts(folder.path()));
        QtSwedishTexts texts;
        QVERIFY2(texts.loadCatalogue(), "qt_sv.qm is missing: install qt6-translations-l10n");
        QVERIFY(QCoreApplication::installTranslator(&texts));
        const QSet<QString> swedish = wordsOf(dialogTexts(folder.path()));
        // The same in both languages, or the user's own: titles, filters, folders.
        const QSet<QString> shared = wordsOf(
            {u"OK HTML PDF Ladda Spara Färg Ordkvarnen Glos filer gls"_s, QDir::homePath(), folder.path()});
        QStringList left = (swedish & english).subtract(shared).values();
        left.sort();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        QVERIFY(swedish.contains(u"Avbryt"_s) && swedish.contains(u"Leta"_s)); // both catalogues speak
    }
};

QTEST_MAIN(TestQtSwedish)
#include "tst_qtswedish.moc"
