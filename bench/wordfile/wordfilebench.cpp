// Reading and writing word files through the program's own open and save
// routines, against the plainest way to move the same bytes: read(2) of the
// same file, and write(2) plus fsync(2) of the same file (the save syncs too,
// so that a crash cannot leave half a list). The program's file access alone
// (the bytes read, not yet decoded) is measured too. Two files: 127 pairs of the
// longest words the format allows (the largest file there is, 65025 bytes),
// and 2 pairs of 3-byte words (25 bytes).
#include "summary.h"

#include "app/wordlist.h"
#include "files/filebytes.h"
#include "files/wordfile.h"
#include "files/wordfileroutines.h"
#include "platform/dialogs.h"
#include "platform/fixedpaths.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

// Hands out the file's path to the open and save dialogs; any message box
// means the routine did not do what is measured.
class PathDialogs final : public Dialogs {
public:
    QString path;
    int messages = 0;

    Answer message(const Message &) override
    {
        ++messages;
        return Answer::No;
    }
    std::optional<QString> openFile(const FileDialogRequest &) override { return path; }
    std::optional<QString> saveFile(const FileDialogRequest &) override { return path; }
    std::optional<ColorValue> chooseColor(const ColorRequest &) override { return std::nullopt; }
};

// A list of pairs whose words are all as long as the format allows.
WordList longestWords(int pairs)
{
    const int length = WordFile::maxWordBytes(pairs);
    const QString swedish = QStringLiteral("åäöÅÄÖ").repeated(length).left(length);
    const QString english = QStringLiteral("wordsWORDS").repeated(length).left(length);
    WordList list;
    for (int i = 0; i < pairs; ++i)
        list.append(swedish, english);
    return list;
}

// One word file in a folder of its own, written by the program.
struct Fixture {
    QTemporaryDir folder;
    PathDialogs dialogs;
    FixedPaths paths{folder.path(), {}};
    WordFileServices services{dialogs, paths};
    WordList list;
    QByteArray name;
    qint64 size = 0;

    explicit Fixture(int pairs)
        : list(longestWords(pairs))
    {
        dialogs.path = folder.filePath(QStringLiteral("glosor.gls"));
        name = dialogs.path.toLocal8Bit();
        saveWordList(services, 1, list, list.count());
        size = QFileInfo(dialogs.path).size();
    }

    void check(benchmark::State &bench) const
    {
        if (dialogs.messages > 0 || size != qint64(2 * list.count() + 1) * (2 * list.count() + 1))
            bench.SkipWithError("the routine showed a message or wrote the wrong file");
        bench.SetBytesProcessed(bench.iterations() * size);
    }
};

void openRoutine(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    for (auto _ : bench) {
        std::optional<WordList> list = openWordList(file.services, 1);
        benchmark::DoNotOptimize(list);
        if (!list || list->count() != file.list.count())
            bench.SkipWithError("the file did not open whole");
    }
    file.check(bench);
}

void plainRead(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    std::vector<char> buffer(size_t(file.size) + 1);
    for (auto _ : bench) {
        const int fd = ::open(file.name.constData(), O_RDONLY | O_CLOEXEC);
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
        if (got != file.size)
            bench.SkipWithError("short read");
    }
    file.check(bench);
}

// The program's own file access alone, without the decoding.
void programRead(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    for (auto _ : bench) {
        FileRead read = readFileStart(file.dialogs.path, WordFile::MaxBytes);
        benchmark::DoNotOptimize(read);
        if (read.bytes.size() != file.size)
            bench.SkipWithError("short read");
    }
    file.check(bench);
}

void saveRoutine(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    for (auto _ : bench)
        saveWordList(file.services, 1, file.list, file.list.count());
    file.check(bench);
}

void plainSyncedWrite(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    const QByteArray bytes = writeWordFile([&] {
                                 QList<WordPair> pairs;
                                 for (int row = 1; row <= file.list.count(); ++row)
                                     pairs.append(file.list.pair(row));
                                 return pairs;
                             }())
                                 .bytes;
    for (auto _ : bench) {
        const int fd = ::open(file.name.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const ssize_t put = ::write(fd, bytes.constData(), size_t(bytes.size()));
        ::fsync(fd);
        ::close(fd);
        if (put != bytes.size())
            bench.SkipWithError("short write");
    }
    file.check(bench);
}

constexpr int Sizes[] = {WordFile::MaxPairs, 2};

void sizes(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("pairs")->Repetitions(5)->ReportAggregatesOnly();
    for (int pairs : Sizes)
        bench->Arg(pairs);
}
BENCHMARK(openRoutine)->Apply(sizes);
BENCHMARK(programRead)->Apply(sizes);
BENCHMARK(plainRead)->Apply(sizes);
BENCHMARK(saveRoutine)->Apply(sizes)->UseRealTime();
BENCHMARK(plainSyncedWrite)->Apply(sizes)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    BenchmarkResults results = runBenchmarks(argc, argv);
    const double target = 2.0;
    for (int pairs : Sizes) {
        const double bytes = double(2 * pairs + 1) * (2 * pairs + 1);
        const auto row = [&](const std::string &what, const std::string &routine, const std::string &plain) {
            const std::string arg = "/pairs:" + std::to_string(pairs);
            const double own = results[routine + arg].nanoseconds,
                         reference = results[plain + arg].nanoseconds;
            const std::string measure = "Word file " + what + ", " + std::to_string(pairs) + " pairs";
            printRow({measure + " (us)", own / 1e3, reference / 1e3, target});
            printRow({measure + " (MB/s)", bytes / own * 1e3, bytes / reference * 1e3, target, true});
        };
        row("open", "openRoutine", "plainRead");
        row("bytes read", "programRead", "plainRead");
        row("save", "saveRoutine", "plainSyncedWrite");
    }
    return 0;
}
