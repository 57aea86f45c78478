#include "files/pairfiles.h"

#include "files/filebytes.h"
#include "files/kvtml.h"
#include "files/safesave.h"
#include "files/wordfile.h"
#include "files/wordtext.h"
#include "platform/textcodec.h"

#include <QFileInfo>

namespace {

using Kind = FileOutcome::Kind;

Intake readWordFilePairs(const QString &path, const PathLookUp &lookUp)
{
    const FileRead read = readFileStart(path, WordFile::MaxBytes, lookUp);
    if (!read.ok())
        return Intake::failed(FileOutcome::of(Kind::ReadFailed, read.error));
    const WordFileContent content = readWordFile(read.bytes);
    if (content.header == 0)
        return Intake::failed(FileOutcome::of(Kind::BadHeader, 0));
    Intake intake;
    intake.pairs = pairsOfWords(content, intake.missing);
    return intake;
}

Intake readTextPairs(const QString &path, const PathLookUp &lookUp)
{
    // One byte past the limit tells a file at the limit from a larger one.
    const FileRead read = readFileStart(path, WordText::MaxFileBytes + 1, lookUp);
    if (!read.ok())
        return Intake::failed(FileOutcome::of(Kind::ReadFailed, read.error));
    if (read.bytes.size() > WordText::MaxFileBytes)
        return Intake::failed(FileOutcome::of(Kind::TooLarge, 0, int(WordText::MaxFileBytes)));
    if (read.bytes.contains('\0') && !utf16Mark(read.bytes))
        return Intake::failed(FileOutcome::of(Kind::NotText, 0));
    Intake intake;
    if (Kvtml::looksLikeKvtml(read.bytes)) {
        std::optional<Kvtml::Parsed> document = Kvtml::parse(read.bytes);
        if (!document)
            return Intake::failed(FileOutcome::of(Kind::BadDocument, 0));
        intake.pairs = std::move(document->pairs);
        intake.skipped = document->skipped;
        return intake;
    }
    WordText::Parsed parsed = WordText::parse(read.bytes);
    intake.pairs = std::move(parsed.pairs);
    intake.skipped = parsed.skipped;
    return intake;
}

} // namespace

void Intake::keepWordsBefore(int k)
{
    // Words 1 to k − 1 make k / 2 pairs; for an even k the last of them
    // lacks its English word, which is word k itself and so already empty.
    pairs.resize(std::min<qsizetype>(pairs.size(), k / 2));
}

PairFormat exportFormatFor(const QString &path)
{
    if (path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive))
        return PairFormat::Kvtml;
    return WordText::formatFor(path) == WordText::Format::Csv ? PairFormat::Csv : PairFormat::Tabs;
}

Intake readPairs(const QString &path, PairFormat format)
{
    const PathLookUp lookUp = lookUpPath(path);
    if (lookUp.error != 0)
        return Intake::failed(FileOutcome::of(Kind::PathBroken, lookUp.error));
    return format == PairFormat::WordFile ? readWordFilePairs(path, lookUp) : readTextPairs(path, lookUp);
}

FileOutcome writePairs(const QString &path, const QList<WordPair> &pairs, PairFormat format)
{
    if (const int failure = pathFailure(path))
        return FileOutcome::of(Kind::PathBroken, failure);
    QByteArray bytes;
    if (format == PairFormat::Kvtml) {
        QString bad;
        std::optional<QByteArray> document = Kvtml::format(pairs, QFileInfo(path).completeBaseName(), &bad);
        if (!document)
            return FileOutcome::of(Kind::NotXmlText, 0, 0, bad);
        bytes = *std::move(document);
    } else if (format == PairFormat::WordFile) {
        WordFileBytes file = writeWordFile(pairs);
        if (!file.outcome.ok())
            return file.outcome;
        bytes = std::move(file.bytes);
    } else {
        bytes = WordText::format(pairs, format == PairFormat::Csv ? WordText::Format::Csv : WordText::Format::Tabs);
    }
    const SaveResult saved = replaceFile(path, bytes);
    if (saved.error == 0)
        return {};
    FileOutcome failed = FileOutcome::of(Kind::WriteFailed, saved.error);
    failed.backup = saved.backup;
    return failed;
}
