// Renders each window of the program, as a user meets it, into a PNG file:
//   ordkvarnen_screenshots FOLDER
// The windows are the real ones, driven like the tests drive them, on a set
// clock; offscreen, in the Fusion style and its own palette, with the DejaVu
// Sans font from its file, so that the pictures come out the same on every
// machine that has that font package.
#include "app/frmsplash.h"
#include "edit/frmbort.h"
#include "entry/frmglos.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStyle>

#include <cstdio>

namespace {

QString folder;
int failures = 0;

void shoot(QWidget *window, const char *name)
{
    QCoreApplication::processEvents();
    const QString path = folder + u'/' + QString::fromUtf8(name) + QStringLiteral(".png");
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not render %s\n", name);
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(QDir::current().relativeFilePath(path)));
}

bool useFixedLook()
{
    for (const char *file : {ORDKVARNEN_SCREENSHOT_FONT, ORDKVARNEN_SCREENSHOT_BOLD_FONT}) {
        if (QFontDatabase::addApplicationFont(QString::fromUtf8(file)) < 0) {
            std::fprintf(stderr, "missing font %s (Debian package fonts-dejavu-core)\n", file);
            return false;
        }
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
    return true;
}

// The information text where the splash window looks for it.
void placeInfoText(const TestProgram &t)
{
    const QString target =
        t.paths.forWriting(QStringLiteral("D:\\Spel\\Res\\Vrak\\mrk_program\\mrk\\Kvartos\\glos.txt"));
    QFile::copy(QStringLiteral(ORDKVARNEN_INFO_TEXT), target);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder) || !useFixedLook())
        return 1;

    TestProgram t;
    placeInfoText(t);
    t.program.start();
    shoot(t.program.frmSplash.loaded(), "splash");
    t.run(QStringLiteral("cmdstart"));

    const QList<WordPair> pairs{{QStringLiteral("hus"), QStringLiteral("house")},
                                {QStringLiteral("katt"), QStringLiteral("cat")},
                                {QStringLiteral("äpple"), QStringLiteral("apple")},
                                {QStringLiteral("skola"), QStringLiteral("school")}};
    t.addPairs(pairs);
    shoot(&t.main(), "main");

    t.run(QStringLiteral("cmdOva txteng=house cmdKlar"));
    FrmOva *practice = t.program.frmOva.loaded();
    shoot(practice, "practice-right");
    t.run(QStringLiteral("cmdny txteng=dog cmdKlar"));
    shoot(practice, "practice-wrong");
    t.run(QStringLiteral("cmdmeny mnuAltutse"));
    t.dialogs.takeMessages(); // the summary

    FrmAlt *options = t.program.frmAlt.loaded();
    const char *pages[] = {"options-appearance", "options-practice", "options-users"};
    for (int page = 0; page < 3; ++page) {
        t.run(QStringLiteral("tbsOptions=%1").arg(page));
        shoot(options, pages[page]);
    }
    t.run(QStringLiteral("optanv_1 cmdanv"));
    shoot(options, "options-login");
    t.run(QStringLiteral("cmdBak cmdAvbryt mnuAltBort"));
    FrmBort *edit = t.program.frmBort.loaded();
    shoot(edit, "edit-list");
    t.run(QStringLiteral("txtnr=3 cmdAndra"));
    shoot(edit, "edit-change");

    return failures == 0 ? 0 : 1;
}
