#include "platform/widgetdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// What a real message box showed, read while it was open.
struct Shown {
    QString title;
    QString text; // without the invisible break opportunities
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool fits = false;  // every piece that cannot break is as narrow as the label, and every line shows
    bool plain = false; // markup shown as typed
};

class TestWidgetDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsAndAnswers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<bool>("critical");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<int>("answer");
        const QString cheat =
            u"Rätt svar är:\r\n"_s + u"abcdefghijklmnopqrstuvwxyzåäö"_s.repeated(7).left(201);
        const int ok = int(Answer::Ok), yes = int(Answer::Yes), no = int(Answer::No);
        // clang-format off
        QTest::newRow("no title") << "rad 1\r\nrad 2" << "" << false << false << "OK" << "Ordkvarnen" << ok;
        QTest::newRow("Ja") << "Ta bort?" << "Fråga" << true << true << "&Ja" << "Fråga" << yes;
        QTest::newRow("Nej") << "Ta bort?" << "" << true << false << "&Nej" << "Ordkvarnen" << no;
        QTest::newRow("long answer") << cheat << "FUSK" << false << false << "OK" << "FUSK" << ok;
        // clang-format on
    }
    void messageBoxShowsAndAnswers()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(bool, yesNo);
        QFETCH(bool, critical);
        QFETCH(QString, press);
        QFETCH(QString, shownTitle);
        QFETCH(int, answer);

        Shown shown;
        QTimer::singleShot(0, [&shown, press] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            shown = {box->windowTitle(),
                     label->text().remove(u'\u200B'),
                     box->icon(),
                     {},
                     true,
                     label->textFormat() == Qt::PlainText};
            for (const QString &piece : label->text().split(QRegularExpression(u"[\\s\\x{200B}]"_s)))
                shown.fits &= label->fontMetrics().horizontalAdvance(piece) <= label->contentsRect().width();
            shown.fits &= label->heightForWidth(label->width()) <= label->height();
            for (QAbstractButton *button : box->buttons()) {
                shown.buttons << button->text();
                if (button->text() == press)
                    button->click();
            }
        });
        WidgetDialogs dialogs;
        const Message::Buttons buttons = yesNo ? Message::Buttons::YesNo : Message::Buttons::Ok;
        const Message::Icon icon = critical ? Message::Icon::Critical : Message::Icon::None;
        QCOMPARE(int(dialogs.message({text, title, buttons, icon})), answer);

        QCOMPARE(shown.title, shownTitle);
        QCOMPARE(shown.text, text.replace("\r\n", "\n"));
        QCOMPARE(shown.icon, critical ? QMessageBox::Critical : QMessageBox::NoIcon);
        shown.buttons.sort();
        QCOMPARE(shown.buttons, yesNo ? QStringList({"&Ja", "&Nej"}) : QStringList({"OK"}));
        QVERIFY(shown.fits && shown.plain);
    }

    // A file dialog as the program sets it up; the file chosen in it comes back, a cancel gives none.
    void fileDialogs_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<FileDialogRequest>("request");
        QTest::addColumn<QString>("shown"); // title, accept mode, file mode, asks before replacing, filters
        const QString filter = u"Glos filer(*.gls)|*.gls|Alla filer|*.*"_s;
        // clang-format off
        QTest::newRow("save, asks") << true << FileDialogRequest{"Spara", filter, true, false, false}
                                    << "Spara save any asks Glos filer (*.gls)|Alla filer (*)";
        QTest::newRow("save, quiet") << true << FileDialogRequest{"Exportera", filter, false, false, false}
                                     << "Exportera save any quiet Glos filer (*.gls)|Alla filer (*)";
        QTest::newRow("open, existing") << false << FileDialogRequest{"Ladda", filter, false, true, false}
                                        << "Ladda open existing quiet Glos filer (*.gls)|Alla filer (*)";
        QTest::newRow("open, any") << false << FileDialogRequest{"Ladda", filter, false, false, false}
                                   << "Ladda open any quiet Glos filer (*.gls)|Alla filer (*)";
        // clang-format on
    }
    void fileDialogs()
    {
        QFETCH(bool, save);
        QFETCH(FileDialogRequest, request);
        QFETCH(QString, shown);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.gls"_s);
        if (!save)
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        WidgetDialogs dialogs;
        for (const bool choose : {true, false}) {
            QString seen;
            QTimer::singleShot(0, [&seen, &path, choose] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                const bool asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
                seen = u"%1 %2 %3 %4 "_s.arg(
                           dialog->windowTitle(),
                           dialog->acceptMode() == QFileDialog::AcceptSave ? u"save" : u"open",
                           dialog->fileMode() == QFileDialog::ExistingFile ? u"existing" : u"any",
                           asks ? u"asks" : u"quiet") +
                       dialog->nameFilters().join(u'|');
                dialog->selectFile(path);
                choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            });
            const auto chosen = save ? dialogs.saveFile(request) : dialogs.openFile(request);
            QCOMPARE(seen, shown);
            QCOMPARE(chosen, choose ? std::optional(path) : std::nullopt);
        }
    }

    // Where the type chosen gives the extension, a name typed without one gets it.
    void typeGivesExtension_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("text") << 0 << "glosor" << "glosor.txt";
        QTest::newRow("CSV") << 1 << "glosor" << "glosor.csv";
        QTest::newRow("typed extension decides") << 1 << "glosor.tsv" << "glosor.tsv";
    }
    void typeGivesExtension()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        const QTemporaryDir dir;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
            types->setCurrentIndex(type);
            emit types->activated(type); // as when a user picks it
            emit types->textActivated(types->currentText());
            dialog->selectFile(dir.filePath(typed));
            static_cast<QDialog *>(dialog)->accept();
        });
        WidgetDialogs dialogs;
        const FileDialogRequest request{"Exportera", "Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv",
                                        true, false, true};
        QCOMPARE(dialogs.saveFile(request), std::optional(dir.filePath(chosen)));
    }
};

QTEST_MAIN(TestWidgetDialogs)
#include "tst_widgetdialogs.moc"
