// Times the start routine until the splash window has painted its
// information text, and a jump to the text's end with a repaint, for
// information files of different shapes. Prints the best and the median of a
// few runs in milliseconds.
// Usage: bench_splash [runs] [part of a case name]

#include "app/lazystore.h"
#include "app/program.h"
#include "files/infofile.h"
#include "platform/lazyspeaker.h"
#include "platform/widgetdialogs.h"
#include "splash/frmsplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

struct Timing {
    qint64 show = 0;
    qint64 scroll = 0;
};

void paintNow(QWidget *widget)
{
    QCoreApplication::processEvents();
    widget->grab(); // renders every visible part, as a first paint does
}

Timing startOnce(const FixedPaths &paths)
{
    WidgetDialogs dialogs;
    SystemClock clock;
    SystemRandom random;
    LazySpeaker speaker; // never asked: nothing loads
    LazyStore store;     // never loaded: the main window does not show
    Program program({dialogs, clock, random, paths, speaker, store, [] {}});

    QElapsedTimer timer;
    timer.start();
    program.start();
    FrmSplash *splash = program.frmSplash.loaded();
    paintNow(splash);
    Timing timing;
    timing.show = timer.restart();

    auto *view = splash->findChild<QPlainTextEdit *>(QStringLiteral("txtinfo"));
    view->moveCursor(QTextCursor::End);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    paintNow(splash);
    timing.scroll = timer.elapsed();
    program.discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return timing;
}

QByteArray manyLines(qsizetype bytes)
{
    const QByteArray line = "Rad med svenska bokstäver: åäö ÅÄÖ, och lite mer text för att fylla raden.\n";
    QByteArray text;
    while (text.size() < bytes)
        text += line;
    return text;
}

QByteArray oneLine(qsizetype bytes)
{
    return QByteArray("glosa \xC3\xB6vning ").repeated(int(bytes / 15));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 3;
    const QByteArray only = argc > 2 ? argv[2] : "";

    const struct {
        const char *name;
        QByteArray bytes;
        qint64 size = 0; // when larger, the file is stretched to it with a hole
    } cases[] = {
        {"small file (1 kB)", manyLines(1000)},
        {"many lines (4 MB)", manyLines(4'000'000)},
        {"one line (1 MB)", oneLine(1'000'000)},
        {"no blanks (1 MB)", QByteArray(1'000'000, 'x')},
        // The longest run still broken at blanks where possible.
        {"no blanks (10 kB)", QByteArray(LongRun, 'x')},
        // Only the start of a huge file is read.
        {"many lines (100 MB)", manyLines(100'000'000)},
        {"sparse (1 GB)", manyLines(1000), qint64(1) << 30},
    };

    QTemporaryDir dataHome;
    const FixedPaths paths(dataHome.path(), {});
    const QString file = paths.forWriting(InfoFilePath);
    std::printf("%-20s %18s %18s\n", "information file", "show best/median", "scroll best/median");
    for (const auto &c : cases) {
        if (!QByteArray(c.name).contains(only))
            continue;
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(c.bytes) != c.bytes.size() ||
            (c.size > c.bytes.size() && !out.resize(c.size)))
            return 1;
        out.close();
        QList<qint64> show, scroll;
        for (int i = 0; i < runs; ++i) {
            const Timing t = startOnce(paths);
            show << t.show;
            scroll << t.scroll;
        }
        std::sort(show.begin(), show.end());
        std::sort(scroll.begin(), scroll.end());
        std::printf("%-20s %8lld /%6lld ms %8lld /%6lld ms\n", c.name, show.first(), show[runs / 2],
                    scroll.first(), scroll[runs / 2]);
        std::fflush(stdout);
    }
    return 0;
}
