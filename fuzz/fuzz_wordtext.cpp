// Feeds arbitrary bytes to the importer of word lists as text. Besides the
// sanitizers' findings, a broken promise stops the run: a pair with an empty
// word, more pairs and skipped lines than the text has lines, or imported
// pairs that do not come back the same once exported and imported again.

#include "files/wordtext.h"
#include "require.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const WordText::Parsed parsed = WordText::parse(bytes);
    for (const WordPair &pair : parsed.pairs)
        require(!pair.swedish.isEmpty() && !pair.english.isEmpty(), "a pair has two words");
    // Every line end may end a line: "\r\n" is one, but counting it as two only loosens the bound.
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    require(parsed.pairs.size() + parsed.skipped <= lines, "one pair or skip at most for each line");

    for (const WordText::Format format : {WordText::Format::Tabs, WordText::Format::Csv}) {
        const WordText::Parsed again = WordText::parse(WordText::format(parsed.pairs, format));
        require(again.pairs == parsed.pairs, "exported and imported again, the pairs are the same");
        require(again.skipped == 0, "an export has no line to skip");
    }
    return 0;
}
