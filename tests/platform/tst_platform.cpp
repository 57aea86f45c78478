#include "platform/accessibility.h"
#include "platform/fixedpaths.h"
#include "platform/widgetdialogs.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

namespace {
struct Box {
    const char *name;
    Message message;
    QString press, shown;
    Answer answer;
};
struct FileDialog {
    const char *name;
    FileDialogRequest request; // a save dialog where it asks or gives the extension
    int type;
    QString typed, shown; // title, accept and file mode, asks before replacing, filters, the file chosen
};

// Fresh data folders u, 1 and 2; place("1/x") is x on drive D: of 1.
struct DataDirs {
    QTemporaryDir root;
    FixedPaths paths() const { return {root.path() + "/u", {root.path() + "/1", root.path() + "/2"}}; }
    QString place(QString where) const { return root.path() + '/' + where.insert(1, "/ordkvarnen/drive_d"); }
    bool make(const QString &where) const
    {
        return QDir().mkpath(QFileInfo(place(where)).path()) && writeBytes(place(where), {});
    }
};

// Runs look on the modal dialog that the next call opens.
template <class Dialog> void whileOpen(const std::function<void(Dialog *)> &look)
{
    QTimer::singleShot(0, [look] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
            look(dialog);
    });
}
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void windowsPathsBecomePlaces_data()
    {
        // The files under the data folders u (the user's), 1 and 2 (the system's), then the path; where it is
        // (missing: the user's place, in the case of its existing folders). Folders that differ only in case
        // are one place: the one below which more of the path exists, else the first by code point.
        addRows<Scenario>({
            {"any case", "u/Spel/glos.txt D:\\SPEL\\GLOS.TXT", "u/Spel/glos.txt"},
            {"user first", "1/Spel/glos.txt u/Spel/glos.txt D:\\Spel\\glos.txt", "u/Spel/glos.txt"},
            {"system if the user lacks it", "u/Spel/a 2/Spel/glos.txt D:\\Spel\\glos.txt", "2/Spel/glos.txt"},
            {"missing", "u/SPEL/a 1/Spel/a D:\\Spel\\Vrak\\glos.txt", "u/SPEL/Vrak/glos.txt"},
            {"under the other spelling",
             "u/Spel/glos.txt u/SPEL/Glosor/Trevian.gls D:\\Spel\\Glosor\\Trevian.gls",
             "u/SPEL/Glosor/Trevian.gls"},
            {"deeper folder", "u/Spel/Glosor/a u/SPEL/b D:\\SPEL\\GLOSOR\\Lumba.gls",
             "u/Spel/Glosor/Lumba.gls"},
            {"equally deep", "u/spel/a u/Spel/b D:\\spel\\x", "u/Spel/x"},
            {"no drive", "u/Spel/glos.txt Spel\\glos.txt", "u/Spel/glos.txt"},
            {"up and out", "D:\\Spel\\..\\..\\..\\etc\\passwd", "u/etc/passwd"},
        });
    }
    void windowsPathsBecomePlaces()
    {
        QFETCH(Scenario, row);
        const DataDirs d;
        const QString path = row.given.section(u' ', -1);
        for (const QString &where : row.given.split(u' ').mid(0, row.given.count(u' ')))
            QVERIFY(d.make(where));
        QCOMPARE(d.paths().forReading(path), d.place(row.shown));
        const QString written = d.paths().forWriting(path); // the user's place, its folders made
        QCOMPARE(written, d.place(row.shown.replace(0, 1, u'u')));
        QVERIFY(QFileInfo(written).dir().exists());
    }

    void environmentGivesTheDataFolders()
    {
        const DataDirs d;
        // The program's own folder, ../share from its executable; glos.txt is also in system folder 1.
        const QString own = QCoreApplication::applicationDirPath() + "/../share/ordkvarnen/drive_d/";
        const auto removeOwn = qScopeGuard([&own] { QDir(own).removeRecursively(); });
        QVERIFY(d.make(u"1/glos.txt"_s) && QDir().mkpath(own) && writeBytes(own + "glos.txt", {}) &&
                writeBytes(own + "egen.txt", {}));
        qputenv("XDG_DATA_HOME", QFile::encodeName(d.root.path() + "/u"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName("share:" + d.root.path() + "/1"));
        const FixedPaths paths = FixedPaths::fromEnvironment();
        QCOMPARE(paths.forReading("D:\\glos.txt"), d.place("1/glos.txt"));
        QCOMPARE(paths.forReading("D:\\egen.txt"), QDir::cleanPath(own + "egen.txt"));
        QCOMPARE(paths.forReading("D:\\saknas.txt"), d.place("u/saknas.txt"));
        qputenv("XDG_DATA_HOME", "data"); // relative: as if unset
        QCOMPARE(FixedPaths::fromEnvironment().forReading("D:\\saknas.txt"),
                 QDir::homePath() + "/.local/share/ordkvarnen/drive_d/saknas.txt");
    }

    // A text box at (100, 50), 100 by 20, is named by the label ending in ':' just to its left on its line,
    // else just above it: the label's place and text, then the name.
    void captionLabelsNameBoxes_data()
    {
        addRows<Scenario>({{"beside", "10 50 80 20 S&venska:", "Svenska"},
                           {"beside, centre on its last line", "10 60 80 19 S&venska:", "Svenska"},
                           {"touching it", "21 50 80 20 Svenska:", "Svenska"},
                           {"above", "120 20 80 20 &&Engelska :", "&Engelska"},
                           {"nearest of two", "0 50 20 20 Långt:", "Nära"},
                           {"right of it", "210 50 80 20 Höger:", ""},
                           {"left, a line lower", "10 75 80 20 Lägre:", ""},
                           {"above, to its left", "0 20 90 20 Snett:", ""},
                           {"no colon", "10 50 80 20 Svenska", ""}});
    }
    void captionLabelsNameBoxes()
    {
        QFETCH(Scenario, row);
        QWidget window;
        auto *box = new QLineEdit(&window);
        box->setGeometry(100, 50, 100, 20);
        const QStringList place = row.given.split(u' ');
        (new QLabel(place.mid(4).join(u' '), &window))
            ->setGeometry(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt());
        (new QLabel(u"Nära:"_s, &window))->setGeometry(40, 50, 50, 20); // a nearer label, or one too low
        if (row.shown != u"Nära")
            window.findChildren<QLabel *>().last()->move(40, 200);
        describeControls(&window);
        QCOMPARE(box->accessibleName(), row.shown);
    }

    // What a real box shows, read while it is open: title, text, icon, buttons, whether every piece that
    // cannot break is as narrow as the label and every line shows, and markup shown as typed.
    void messageBoxes_data()
    {
        const QString cheat =
            u"Rätt svar är:\r\n"_s + u"abcdefghijklmnopqrstuvwxyzåäö"_s.repeated(7).left(201);
        addRows<Box>({
            {"no title", {u"rad 1\r\nrad 2"_s, {}}, "OK", "Ordkvarnen|rad 1\nrad 2|0|OK|fits", Answer::Ok},
            {"Ja",
             {u"Ta <b>bort</b>?"_s, u"Fråga"_s, Message::Buttons::YesNo, Message::Icon::Critical},
             "&Ja",
             "Fråga|Ta <b>bort</b>?|3|&Ja &Nej|fits",
             Answer::Yes},
            {"Nej",
             {u"Ta bort?"_s, {}, Message::Buttons::YesNo},
             "&Nej",
             "Ordkvarnen|Ta bort?|0|&Ja &Nej|fits",
             Answer::No},
            {"long answer",
             {cheat, u"FUSK"_s},
             "OK",
             "FUSK|" + QString(cheat).replace("\r\n", "\n") + "|0|OK|fits",
             Answer::Ok},
        });
    }
    void messageBoxes()
    {
        QFETCH(Box, row);
        QString shown;
        whileOpen<QMessageBox>([&shown, &row](QMessageBox *box) {
            auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            bool fits = label->heightForWidth(label->width()) <= label->height() &&
                        label->textFormat() == Qt::PlainText;
            for (const QString &piece : label->text().split(QRegularExpression(u"[\\s\\x{200B}]"_s)))
                fits &= label->fontMetrics().horizontalAdvance(piece) <= label->contentsRect().width();
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            buttons.sort();
            shown = QStringList{box->windowTitle(), label->text().remove(u'\u200B'),
                                QString::number(box->icon()), buttons.join(u' '), fits ? u"fits"_s : u"cut"_s}
                        .join(u'|');
            for (QAbstractButton *button : box->buttons())
                if (button->text() == row.press)
                    button->click();
        });
        QCOMPARE(WidgetDialogs().message(row.message), row.answer);
        QCOMPARE(shown, row.shown);
    }

    // Set up as the program asks; the file chosen comes back, a cancel gives none. Where the type
    // chosen gives the extension, a name typed without one gets it.
    void fileDialogs_data()
    {
        const QString gls = u"Glos filer(*.gls)|*.gls|Alla filer|*.*"_s,
                      text = u"Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv"_s;
        addRows<FileDialog>({
            {"save, asks",
             {"Spara", gls, true, false, false},
             0,
             "lista.gls",
             "Spara save any asks Glos filer (*.gls)|Alla filer (*) lista.gls"},
            {"open, existing",
             {"Ladda", gls, false, true, false},
             0,
             "lista.gls",
             "Ladda open existing quiet Glos filer (*.gls)|Alla filer (*) lista.gls"},
            {"open, any",
             {"Ladda", gls, false, false, false},
             0,
             "ny.gls",
             "Ladda open any quiet Glos filer (*.gls)|Alla filer (*) ny.gls"},
            {"save, the type gives .txt",
             {"Exportera", text, true, false, true},
             0,
             "glosor",
             "Exportera save any asks Textfiler (*.txt *.tsv)|CSV-filer (*.csv) glosor.txt"},
            {"save, the type gives .csv",
             {"Exportera", text, false, false, true},
             1,
             "glosor",
             "Exportera save any quiet Textfiler (*.txt *.tsv)|CSV-filer (*.csv) glosor.csv"},
            {"the typed extension decides",
             {"Exportera", text, true, false, true},
             1,
             "glosor.tsv",
             "Exportera save any asks Textfiler (*.txt *.tsv)|CSV-filer (*.csv) glosor.tsv"},
        });
    }
    void fileDialogs()
    {
        QFETCH(FileDialog, row);
        const QTemporaryDir dir;
        const bool save = row.request.confirmReplace || row.request.typeGivesExtension;
        QVERIFY(save ||
                writeBytes(dir.filePath(u"lista.gls"_s), {})); // an existing file would be asked about
        for (const bool choose : {true, false}) {
            QString seen;
            whileOpen<QFileDialog>([&](QFileDialog *dialog) {
                seen = QStringList{dialog->windowTitle(),
                                   dialog->acceptMode() == QFileDialog::AcceptSave ? u"save"_s : u"open"_s,
                                   dialog->fileMode() == QFileDialog::ExistingFile ? u"existing"_s : u"any"_s,
                                   dialog->testOption(QFileDialog::DontConfirmOverwrite) ? u"quiet"_s
                                                                                         : u"asks"_s,
                                   dialog->nameFilters().join(u'|')}
                           .join(u' ');
                auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
                types->setCurrentIndex(row.type);
                emit types->activated(row.type); // as when a user picks it
                emit types->textActivated(types->currentText());
                dialog->selectFile(dir.filePath(row.typed));
                choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            });
            WidgetDialogs dialogs;

            const auto chosen = save ? dialogs.saveFile(row.request) : dialogs.openFile(row.request);
            QCOMPARE(seen + u' ' + (chosen ? QFileInfo(*chosen).fileName() : u"-"_s),
                     choose ? row.shown : row.shown.section(u' ', 0, -2) + u" -"_s);
            QVERIFY(!chosen || QFileInfo(*chosen).path() == dir.path());
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
