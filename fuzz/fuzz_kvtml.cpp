// Feeds arbitrary bytes to the reader of KDE vocabulary documents. Besides the
// sanitizers' findings, a broken promise stops the run: a pair with an empty
// word or one longer than any word, or pairs that do not come back the same
// once exported as a document and read again.

#include "files/kvtml.h"
#include "require.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    Kvtml::looksLikeKvtml(bytes);
    const std::optional<Kvtml::Parsed> parsed = Kvtml::parse(bytes);
    if (!parsed)
        return 0;
    for (const WordPair &pair : parsed->pairs) {
        for (const QString &word : {pair.swedish, pair.english})
            require(!word.isEmpty() && word.size() <= WordList::MaxWordLength, "a word is a word");
    }
    if (const std::optional<QByteArray> again = Kvtml::format(parsed->pairs, QStringLiteral("x"))) {
        const std::optional<Kvtml::Parsed> reread = Kvtml::parse(*again);
        require(reread && reread->pairs == parsed->pairs && reread->skipped == 0,
                "exported and read again, the pairs are the same");
    }
    return 0;
}
