// Feeds arbitrary bytes to the word-file reader. Besides the sanitizers'
// findings, a broken promise of the reader stops the run: words that reach
// past their record or the file, a list longer than a header can announce,
// or a complete file that does not survive being written again.

#include "files/wordfile.h"
#include "require.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const WordFileContent content = readWordFile(bytes);
    const int n = content.header;
    require(n == (size > 0 ? data[0] : 0), "the header is byte 0");
    require(content.words.size() == std::max(n - 1, 0), "one word for each record 2 to N");
    require(content.pairCount() <= WordFile::MaxPairs, "at most 127 pairs");

    for (const std::optional<QString> &word : content.words)
        require(!word || !word->isEmpty(), "a word that is there has text");

    QList<int> missing;
    const QList<WordPair> pairs = pairsOfWords(content, missing);
    require(pairs.size() == content.pairCount(), "one pair for every odd word");
    const bool complete = missing.isEmpty();
    for (int k = 1; k <= content.words.size(); ++k) {
        const WordPair &pair = pairs[(k - 1) / 2];
        const QString &word = k % 2 == 1 ? pair.swedish : pair.english;
        const qsizetype textStart = qsizetype(k) * n + WordFile::LengthSize;
        require(word.size() <= n - WordFile::LengthSize, "a word stays inside its record");
        // A missing word is empty text; a present one has bytes in the file.
        require(word.isEmpty() || word.size() <= qsizetype(size) - textStart, "a word stays inside the file");
        require(word.isEmpty() == missing.contains(k), "exactly the missing words are empty");
    }

    // A file with every word present and an odd header holds a list the
    // writer can write; reading that back gives the same words.
    if (complete && n % 2 == 1) {
        const WordFileBytes again = writeWordFile(pairs);
        require(again.outcome.ok(), "a complete file can be written again");
        require(readWordFile(again.bytes).words == content.words, "written again, it reads the same");
    }
    return 0;
}
