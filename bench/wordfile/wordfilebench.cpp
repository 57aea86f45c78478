// Reading and writing word files through the program's own reader and writer
// of pairs (what "&Öppna" and "&Spara" run once a file is chosen), against the least work that does the same.
// Opening: read(2) of the file and one QString::fromLatin1 per word into a list sized once. Saving: a
// temporary file beside the old one, write(2), fsync(2), rename(2) over the
// old one and fsync(2) of the folder, the least that a crash cannot damage.
// For context, the program's file access alone (the bytes read, not yet
// decoded) against a bare read(2), and the save against write(2) and fsync(2)
// in place, which is not crash-safe. Two files: 127 pairs of the longest words
// the format allows (the largest file there is, 65025 bytes), and 2 pairs of
// 3-byte words (25 bytes).
#include "summary.h"

#include "core/wordlist.h"
#include "files/filebytes.h"
#include "files/pairfiles.h"
#include "files/wordfile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

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
    QString path = folder.filePath(QStringLiteral("glosor.gls"));
    WordList list;
    QByteArray name = path.toLocal8Bit();
    qint64 size = 0;
    bool failed = false;

    explicit Fixture(int pairs)
        : list(longestWords(pairs))
    {
        save();
        size = QFileInfo(path).size();
    }

    void save() { failed = !writePairs(path, list.pairs(), PairFormat::WordFile).ok() || failed; }

    void check(benchmark::State &bench) const
    {
        if (failed || size != qint64(2 * list.count() + 1) * (2 * list.count() + 1))
            bench.SkipWithError("the writer failed or wrote the wrong file");
        bench.SetBytesProcessed(bench.iterations() * size);
    }
};

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The counter "faults": the page faults since start, per iteration, which are
// the pages the process took from the kernel afresh.
void countFaults(benchmark::State &bench, long start)
{
    bench.counters["faults"] =
        benchmark::Counter(double(minorFaults() - start), benchmark::Counter::kAvgIterations);
}

// The bytes the program writes for the fixture's list.
QByteArray fileBytes(const Fixture &file)
{
    return writeWordFile(file.list.pairs()).bytes;
}

void openRoutine(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    const long faults = minorFaults();
    for (auto _ : bench) {
        const Intake intake = readPairs(file.path, PairFormat::WordFile);
        WordList list;
        list.append(intake.pairs);
        benchmark::DoNotOptimize(list);
        if (!intake.outcome.ok() || list.count() != file.list.count())
            bench.SkipWithError("the file did not open whole");
    }
    countFaults(bench, faults);
    file.check(bench);
}

// The least work that yields the words: every word decoded from the bytes read,
// checked against its record's room. Latin-1 and Windows-1252 agree on every
// byte the fixture's words use. Not inlined, so that callgrind can count it.
[[gnu::noinline]] QList<QString> readWords(const char *name, std::vector<char> &buffer)
{
    const int fd = ::open(name, O_RDONLY | O_CLOEXEC);
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    const int n = got > 0 ? uchar(buffer[0]) : 0;
    QList<QString> words;
    words.reserve(n - 1);
    for (qsizetype r = 1; r < n && (r + 1) * n <= got; ++r) {
        const char *record = buffer.data() + r * n;
        const int length = std::min(uchar(record[0]) | uchar(record[1]) << 8, n - WordFile::LengthSize);
        words.append(QString::fromLatin1(record + WordFile::LengthSize, length));
    }
    return words;
}

void readAndDecode(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    std::vector<char> buffer(size_t(file.size) + 1);
    const long faults = minorFaults();
    for (auto _ : bench) {
        QList<QString> words = readWords(file.name.constData(), buffer);
        benchmark::DoNotOptimize(words);
        if (words.size() != 2 * file.list.count())
            bench.SkipWithError("the file did not read whole");
    }
    countFaults(bench, faults);
    const QList<QString> words = readWords(file.name.constData(), buffer);
    if (words.value(0) != file.list.pair(1).swedish || words.value(1) != file.list.pair(1).english)
        bench.SkipWithError("the words came out wrong");
    file.check(bench);
}

void plainRead(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    std::vector<char> buffer(size_t(file.size) + 1);
    const long faults = minorFaults();
    for (auto _ : bench) {
        const int fd = ::open(file.name.constData(), O_RDONLY | O_CLOEXEC);
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
        if (got != file.size)
            bench.SkipWithError("short read");
    }
    countFaults(bench, faults);
    file.check(bench);
}

// The program's own file access alone, without the decoding.
void programRead(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    const long faults = minorFaults();
    for (auto _ : bench) {
        FileRead read = readFileStart(file.path, WordFile::MaxBytes);
        benchmark::DoNotOptimize(read);
        if (read.bytes.size() != file.size)
            bench.SkipWithError("short read");
    }
    countFaults(bench, faults);
    file.check(bench);
}

void saveRoutine(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    for (auto _ : bench)
        file.save();
    file.check(bench);
}

void crashSafeWrite(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    const QByteArray bytes = fileBytes(file);
    const QByteArray temporary = file.name + ".ny";
    const QByteArray folder = QFile::encodeName(file.folder.path());
    for (auto _ : bench) {
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
        ok = ::fsync(fd) == 0 && ok;
        ok = ::close(fd) == 0 && ok;
        ok = ok && ::rename(temporary.constData(), file.name.constData()) == 0;
        const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ok = ::fsync(folderFd) == 0 && ok;
        ::close(folderFd);
        if (!ok)
            bench.SkipWithError("a step of the write failed");
    }
    file.check(bench);
}

// In place: a crash part way leaves half a file. Context only.
void plainSyncedWrite(benchmark::State &bench)
{
    Fixture file(int(bench.range(0)));
    const QByteArray bytes = fileBytes(file);
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
BENCHMARK(readAndDecode)->Apply(sizes);
BENCHMARK(programRead)->Apply(sizes);
BENCHMARK(plainRead)->Apply(sizes);
BENCHMARK(saveRoutine)->Apply(sizes)->UseRealTime();
BENCHMARK(crashSafeWrite)->Apply(sizes)->UseRealTime();
BENCHMARK(plainSyncedWrite)->Apply(sizes)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    // A running program reuses the heap it has grown. With glibc's defaults the
    // words freed at the end of one open lie above the trim threshold and go
    // back to the kernel, and the next open faults them in again, a cost that
    // only a loop of opens pays; so nothing is given back here.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);

    BenchmarkResults results = runBenchmarks(argc, argv);
    for (int pairs : Sizes) {
        const double bytes = double(2 * pairs + 1) * (2 * pairs + 1);
        const std::string arg = "/pairs:" + std::to_string(pairs);
        const std::string file = "Word file ";
        const std::string size = ", " + std::to_string(pairs) + " pairs";
        // Reading is timed by the processor time it takes, which a busy machine
        // barely moves; saving by the time it takes, as it waits for the disk.
        const auto row = [&](const std::string &what, const std::string &routine, const std::string &least,
                             double target) {
            const bool cpu = what.find("save") == std::string::npos;
            const auto time = [&](const std::string &name) {
                const BenchmarkResult &result = results[name + arg];
                return cpu ? result.cpuNanoseconds : result.nanoseconds;
            };
            const double own = time(routine), reference = time(least);
            printRow(
                {file + what + size + (cpu ? " (CPU us)" : " (us)"), own / 1e3, reference / 1e3, target});
            if (target > 0)
                printRow({file + what + size + " (MB/s)", bytes / own * 1e3, bytes / reference * 1e3, target,
                          true});
        };
        row("open", "openRoutine", "readAndDecode", 1.5);
        printRow({file + "open" + size + " (page faults)", results["openRoutine" + arg].counters["faults"],
                  results["readAndDecode" + arg].counters["faults"]});
        row("bytes read", "programRead", "plainRead", 2.0);
        row("save", "saveRoutine", "crashSafeWrite", 1.10);
        row("save, in place", "saveRoutine", "plainSyncedWrite", 0);
    }
    return 0;
}
