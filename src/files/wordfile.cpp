#include "files/wordfile.h"

#include "platform/textcodec.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

using namespace WordFile;

// Word k of the record that starts at start in a file of record length n:
// only the bytes that are there, never past the record or the file. latin1:
// the file has no byte where Windows-1252 and Latin-1 differ.
std::optional<QString> readRecord(const QByteArray &bytes, qsizetype start, int n, bool latin1)
{
    if (start + LengthSize > bytes.size())
        return std::nullopt; // the length itself lies beyond the end
    const quint16 length = qFromLittleEndian<quint16>(bytes.constData() + start);
    const qsizetype textStart = start + LengthSize;
    const qsizetype room = std::min<qsizetype>(n - LengthSize, bytes.size() - textStart);
    const qsizetype taken = std::min<qsizetype>(length, room);
    if (taken <= 0)
        return std::nullopt; // a word with no bytes is as missing as a length of 0
    const QByteArrayView text = QByteArrayView(bytes).sliced(textStart, taken);
    return latin1 ? QString::fromLatin1(text) : decodeWindows1252(text);
}

// Writes word k into its record of file (record length n), in Windows-1252,
// or tells the rule it breaks. Most words are Latin-1 outside 0x80 to 0x9F:
// already composed and the same bytes in Windows-1252, they are narrowed
// straight into the record; the look at them runs many units a step.
FileOutcome encodeWord(const QString &given, int longest, char *record)
{
    using Kind = FileOutcome::Kind;
    const ushort *units = given.utf16();
    const qsizetype size = given.size();
    unsigned misfit = 0;
    for (qsizetype i = 0; i < size; ++i)
        misfit |= (units[i] & 0xFF00u) | unsigned((units[i] & 0xE0u) == 0x80u);
    if (size == 0)
        return FileOutcome::of(Kind::EmptyWord, 0, 0, given);
    QByteArray slow;
    QString word = given;
    if (misfit != 0) {
        // A letter pasted as base and combining mark is one byte too.
        word = given.normalized(QString::NormalizationForm_C);
        bool representable = false;
        slow = encodeWindows1252(word, &representable);
        if (!representable)
            return FileOutcome::of(Kind::NotWindows1252, 0, 0, word);
    }
    const qsizetype length = misfit != 0 ? slow.size() : size;
    if (length > longest)
        return FileOutcome::of(Kind::WordTooLong, 0, longest, word);
    qToLittleEndian<quint16>(quint16(length), record);
    char *text = record + LengthSize;
    if (misfit != 0)
        std::memcpy(text, slow.constData(), size_t(length));
    else
        for (qsizetype i = 0; i < size; ++i)
            text[i] = char(units[i]);
    return {};
}

} // namespace

WordFileContent readWordFile(const QByteArray &bytes)
{
    WordFileContent content;
    if (bytes.isEmpty())
        return content;
    const int n = uchar(bytes[0]);
    content.header = quint8(n);
    content.words.reserve(n > 1 ? n - 1 : 0);
    // Most lists have none of the bytes where Windows-1252 is not Latin-1:
    // one look over the whole file spares a look at every word.
    const bool latin1 = !hasWindows1252Marks(QByteArrayView(bytes).sliced(1));
    for (int r = 2; r <= n; ++r)
        content.words.append(readRecord(bytes, qsizetype(r - 1) * n, n, latin1));
    return content;
}

QList<WordPair> pairsOfWords(const WordFileContent &content, QList<int> &missing)
{
    QList<WordPair> pairs;
    pairs.reserve(content.pairCount());
    for (int k = 1; k <= content.words.size(); ++k) {
        const std::optional<QString> &word = content.words[k - 1];
        if (!word)
            missing.append(k);
        if (k % 2 == 1)
            pairs.append({word.value_or(QString()), {}});
        else
            pairs.last().english = word.value_or(QString());
    }
    return pairs;
}

WordFileBytes writeWordFile(const QList<WordPair> &pairs)
{
    if (pairs.size() > MaxPairs)
        return {{}, FileOutcome::of(FileOutcome::Kind::TooManyPairs, 0, MaxPairs)};
    // Every record is filled up to its full length with zero bytes.
    const int pairCount = int(pairs.size());
    const int n = 2 * pairCount + 1;
    QByteArray bytes(qsizetype(n) * n, '\0');
    bytes[0] = char(n);
    char *record = bytes.data() + n;
    for (const WordPair &pair : pairs) {
        for (const QString *word : {&pair.swedish, &pair.english}) {
            if (FileOutcome problem = encodeWord(*word, maxWordBytes(pairCount), record); !problem.ok())
                return {{}, problem};
            record += n;
        }
    }
    return {bytes, {}};
}
