#include "platform/qtswedish.h"
#include "platform/widgetdialogs.h"
#include "support/testprogram.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

namespace {
// Every text of the program's file, colour, message and print dialogs, of
// their menus and of a text box's menu, as far as a user can reach them.
QStringList dialogTexts(const QString &folder)
{
    QStringList texts;
    const auto whileOpen = [&texts](const std::function<void(QDialog *)> &look) {
        QTimer::singleShot(0, [&texts, look] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                texts << textsOf(dialog);
                look(dialog);
                dialog->reject();
            }
        });
    };
    const auto lookAtFiles = [&](QDialog *dialog) {
        auto *files = static_cast<QFileDialog *>(dialog);
        files->setDirectory(folder);
        files->setViewMode(QFileDialog::Detail);
        texts << textsOf(files);
        for (const char *name : {"listView", "sidebar"}) {
            QTimer::singleShot(0, [&texts] {
                if (QWidget *popup = QApplication::activePopupWidget())
                    texts << textsOf(popup), popup->close();
            });
            emit files->findChild<QAbstractItemView *>(QString::fromLatin1(name))
                ->customContextMenuRequested({5, 5});
        }
        std::unique_ptr<QMenu> menu(
            files->findChild<QLineEdit *>(u"fileNameEdit"_s)->createStandardContextMenu());
        texts << textsOf(menu.get());
    };
    WidgetDialogs dialogs;
    whileOpen(lookAtFiles);
    dialogs.openFile({u"Ladda"_s, u"Glos filer(*.gls)|*.gls"_s, false, true, false});
    whileOpen(lookAtFiles);
    dialogs.saveFile({u"Spara"_s, u"Glos filer(*.gls)|*.gls"_s, true, false, false});
    whileOpen([&texts](QDialog *dialog) {
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text().contains(u"Screen"_s) || button->text().contains(u"skärm"_s))
                button->click(); // shows where the cursor is
        texts << textsOf(dialog);
    });
    if (dialogs.chooseColor({u"Färg"_s, 0})) // rejected: no colour
        texts << u"a colour chosen"_s;
    whileOpen([](QDialog *) {});
    dialogs.message({u"x"_s, {}, Message::Buttons::Ok, Message::Icon::None});
    QPrinter printer;
    QPrintDialog print(&printer);
    whileOpen([](QDialog *) {});
    print.exec();
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
