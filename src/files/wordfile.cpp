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

// The words of pairs in file order, each in Windows-1252, or the first
// rule they break.
FileOutcome encodeWords(const QList<WordPair> &pairs, QList<QByteArray> &encoded)
{
    using Kind = FileOutcome::Kind;
    const int pairCount = int(pairs.size());
    if (pairCount > MaxPairs)
        return FileOutcome::of(Kind::TooManyPairs, 0, MaxPairs);

    const int longest = maxWordBytes(pairCount);
    for (const WordPair &pair : pairs) {
        for (const QString &given : {pair.swedish, pair.english}) {
            // A letter pasted as base and combining mark is one byte too. Text
            // without a character from U+0300 on (where the combining marks
            // begin) is composed already, as the list's words are.
            bool plain = true;
            for (const QChar c : given)
                plain &= c.unicode() < 0x300;
            const QString word = plain ? given : given.normalized(QString::NormalizationForm_C);
            bool representable = false;
            QByteArray bytes = encodeWindows1252(word, &representable);
            if (word.isEmpty())
                return FileOutcome::of(Kind::EmptyWord, 0, 0, word);
            if (!representable)
                return FileOutcome::of(Kind::NotWindows1252, 0, 0, word);
            if (bytes.size() > longest)
                return FileOutcome::of(Kind::WordTooLong, 0, longest, word);
            encoded.append(std::move(bytes));
        }
    }
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
    QList<QByteArray> encoded;
    if (FileOutcome problem = encodeWords(pairs, encoded); !problem.ok())
        return {{}, problem};

    // Every record is filled up to its full length with zero bytes.
    const int n = 2 * int(pairs.size()) + 1;
    QByteArray bytes(qsizetype(n) * n, '\0');
    bytes[0] = char(n);
    for (qsizetype k = 1; k <= encoded.size(); ++k) {
        const QByteArray &word = encoded[k - 1];
        char *record = bytes.data() + k * n;
        qToLittleEndian<quint16>(quint16(word.size()), record);
        std::memcpy(record + LengthSize, word.constData(), size_t(word.size()));
    }
    return {bytes, {}};
}
