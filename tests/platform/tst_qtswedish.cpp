#include "platform/qtswedish.h"
#include "platform/widgetdialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// What a user can read in a window or a menu: captions, labels, tooltips,
// list headers, the places of a file dialog and the items of menus.
QStringList textsOf(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget != top && !widget->isVisibleTo(top))
            continue;
        texts << widget->toolTip() << widget->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
            if (view->objectName() == u"sidebar") // the places; files and their dates are the user's
                for (int row = 0; row < model->rowCount(); ++row)
                    texts << model->index(row, 0).data().toString();
        }
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

// Reads the popup menu that the next event opens, then closes it.
void readPopup(QStringList &texts)
{
    QTimer::singleShot(0, [&texts] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            texts << textsOf(popup);
            popup->close();
        }
    });
}

// Every text of the program's file, colour and message dialogs and of their
// menus and a text box's menu, as far as a user can reach them.
QStringList dialogTexts(const QString &folder)
{
    QStringList texts;
    WidgetDialogs dialogs;
    const auto whileOpen = [&texts](const std::function<void(QDialog *)> &look) {
        QTimer::singleShot(0, [&texts, look] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            texts << textsOf(dialog);
            look(dialog);
            dialog->reject();
        });
    };
    const auto lookAtFiles = [&](QDialog *dialog) {
        auto *files = static_cast<QFileDialog *>(dialog);
        files->setDirectory(folder);
        files->setViewMode(QFileDialog::Detail);
        texts << textsOf(files);
        for (const char *name : {"listView", "sidebar"}) {
            readPopup(texts);
            emit files->findChild<QAbstractItemView *>(QString::fromLatin1(name))->customContextMenuRequested({5, 5});
        }
        std::unique_ptr<QMenu> menu(files->findChild<QLineEdit *>(u"fileNameEdit"_s)->createStandardContextMenu());
        texts << textsOf(menu.get());
    };
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
    dialogs.chooseColor({u"Färg"_s, 0});
    whileOpen([](QDialog *) {});
    dialogs.message({u"x"_s, {}, Message::Buttons::Ok, Message::Icon::None});
    texts.removeAll(QString());
    return texts;
}

// The words of three letters or more of texts (a shorter one, such as "in",
// tells no language), without access-key marks and key names.
QSet<QString> wordsOf(const QStringList &texts)
{
    static const QRegularExpression word(u"[A-Za-zÅÄÖåäöéÉ]{3,}"_s);
    QSet<QString> words;
    for (QString text : texts) {
        text.remove(u'&').remove(QRegularExpression(u"\\t.*"_s));
        for (const QRegularExpressionMatch &match : word.globalMatch(text))
            words << match.captured();
    }
    return words;
}

} // namespace

// Qt's own dialogs speak Swedish once the catalogues are installed: no word
// that they show in English is left once they speak Swedish.
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
        const QSet<QString> shared = wordsOf({u"OK HTML Ladda Spara Färg Ordkvarnen Glos filer gls"_s,
                                              QDir::homePath(), folder.path()});
        QStringList left = (swedish & english).subtract(shared).values();
        left.sort();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        QVERIFY(swedish.contains(u"Avbryt"_s) && swedish.contains(u"Leta"_s)); // both catalogues speak
    }
};

QTEST_MAIN(TestQtSwedish)
#include "tst_qtswedish.moc"
