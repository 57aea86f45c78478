#include "platform/textcodec.h"

#include <QStringDecoder>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined map to the
// C1 control with the same number, as Windows itself does, so every byte
// survives a round trip.
constexpr std::array<char16_t, 32> HighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr char16_t FirstHighControl = 0x80;
constexpr char16_t AfterHighControls = 0xA0;

// The byte for a UTF-16 unit, or nothing when the code page lacks it.
std::optional<char> encodeUnit(char16_t unit)
{
    if (unit < FirstHighControl || (unit >= AfterHighControls && unit <= 0xFF))
        return char(unit);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == unit)
            return char(FirstHighControl + i);
    }
    return std::nullopt;
}

// The index of the first byte from 0x80 to 0x9F (top bits 100) at or after
// from, or the size when there is none: sixteen bytes a step where the
// processor has SSE2 (every x86-64 one), eight where it has not, for the rare
// byte in a long text is the common case.
qsizetype nextHighControl(QByteArrayView bytes, qsizetype from)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i top = _mm_set1_epi8(char(0xE0)), high = _mm_set1_epi8(char(0x80));
    const auto marks = [&](qsizetype at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at));
        return _mm_cmpeq_epi8(_mm_and_si128(chunk, top), high);
    };
    // Thirty-two bytes a step while none is found, then the sixteen that hold it.
    for (; i + 32 <= size; i += 32) {
        if (_mm_movemask_epi8(_mm_or_si128(marks(i), marks(i + 16))) != 0)
            break;
    }
    for (; i + 16 <= size; i += 16) {
        if (const int found = _mm_movemask_epi8(marks(i)))
            return i + std::countr_zero(unsigned(found));
    }
#endif
    constexpr quint64 Ones = 0x0101010101010101;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        const quint64 zeroWhereHigh = (word & (0xE0 * Ones)) ^ (0x80 * Ones);
        if (((zeroWhereHigh - Ones) & ~zeroWhereHigh & (0x80 * Ones)) != 0)
            break; // one of these eight; found below
    }
    for (; i < size; ++i) {
        if ((uchar(data[i]) & 0xE0) == 0x80)
            return i;
    }
    return size;
}

} // namespace

bool hasWindows1252Marks(QByteArrayView bytes)
{
    return nextHighControl(bytes, 0) != bytes.size();
}

QString decodeWindows1252(QByteArrayView bytes)
{
    // Windows-1252 is Latin-1 but for bytes 0x80 to 0x9F: Qt's fast Latin-1
    // conversion does the bulk, then those bytes, if any, are mended.
    QString text = QString::fromLatin1(bytes);
    qsizetype i = nextHighControl(bytes, 0);
    if (i == bytes.size())
        return text;
    char16_t *units = reinterpret_cast<char16_t *>(text.data());
    for (; i < bytes.size(); i = nextHighControl(bytes, i + 1))
        units[i] = HighControls[uchar(bytes[i]) - FirstHighControl];
    return text;
}

QByteArray encodeWindows1252(const QString &text, bool *ok)
{
    // Written straight into bytes sized once: never more bytes than units.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    bool allEncoded = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (const auto byte = encodeUnit(unit.unicode())) {
            *out++ = *byte;
            continue;
        }
        allEncoded = false;
        *out++ = '?';
        // A character outside the basic plane is one '?', not two.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    bytes.truncate(out - bytes.data());
    if (ok)
        *ok = allEncoded;
    return bytes;
}

namespace {

QByteArrayView withoutBom(const QByteArray &bytes)
{
    static const QByteArray Utf8Bom("\xEF\xBB\xBF");
    return QByteArrayView(bytes).sliced(bytes.startsWith(Utf8Bom) ? Utf8Bom.size() : 0);
}

// The text when the bytes are valid UTF-8 throughout.
std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error too;
    // the mark is already gone, so a second one would be text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// How many bytes remain when a UTF-8 character that the end cuts off is dropped.
qsizetype wholeUtf8Length(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = quint8(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead
        // Bytes that never begin a character (C0, C1, F5 and above) count as one.
        const qsizetype length = byte > 0xF4 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 1;
        return length > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

} // namespace

std::optional<QStringConverter::Encoding> utf16Mark(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QString decodeTextFile(const QByteArray &bytes)
{
    if (const std::optional<QStringConverter::Encoding> utf16 = utf16Mark(bytes)) {
        // The mark is left out; an odd last byte or a lone surrogate reads as
        // U+FFFD, so that the text is valid Unicode as any other file's.
        QStringDecoder decoder(*utf16, QStringConverter::Flag::Stateless);
        QString text = decoder(QByteArrayView(bytes).sliced(2));
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
        return text;
    }
    const QByteArrayView body = withoutBom(bytes);
    if (std::optional<QString> text = strictUtf8(body))
        return *std::move(text);
    return decodeWindows1252(body);
}

QString decodeTextStart(const QByteArray &bytes)
{
    if (utf16Mark(bytes)) // a character cut in two reads as U+FFFD at the end
        return decodeTextFile(bytes.first(bytes.size() & ~qsizetype(1)));
    // Windows-1252 has a character for every byte, so nothing is cut there.
    const QByteArrayView body = withoutBom(bytes);
    if (std::optional<QString> text = strictUtf8(body.first(wholeUtf8Length(body))))
        return *std::move(text);
    return decodeWindows1252(body);
}
