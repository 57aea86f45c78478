#include "platform/textcodec.h"

#include <QStringDecoder>

#include <array>
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

char16_t decodeByte(uchar byte)
{
    if (byte >= FirstHighControl && byte < AfterHighControls)
        return HighControls[byte - FirstHighControl];
    return byte;
}

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

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    // Windows-1252 is Latin-1 but for bytes 0x80 to 0x9F: Qt's fast Latin-1
    // conversion does the bulk, then those bytes are mended. Eight bytes at a
    // time are skipped when none of them is one (their top bits are not 100).
    QString text = QString::fromLatin1(bytes);
    char16_t *units = reinterpret_cast<char16_t *>(text.data());
    constexpr quint64 Ones = 0x0101010101010101;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        const quint64 zeroWhereHigh = (word & (0xE0 * Ones)) ^ (0x80 * Ones);
        if (((zeroWhereHigh - Ones) & ~zeroWhereHigh & (0x80 * Ones)) == 0)
            continue;
        for (qsizetype j = i; j < i + 8; ++j)
            units[j] = decodeByte(uchar(bytes[j]));
    }
    for (; i < bytes.size(); ++i)
        units[i] = decodeByte(uchar(bytes[i]));
    return text;
}

QByteArray encodeWindows1252(const QString &text, bool *ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool allEncoded = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (const auto byte = encodeUnit(unit.unicode())) {
            bytes.append(*byte);
            continue;
        }
        allEncoded = false;
        bytes.append('?');
        // A character outside the basic plane is one '?', not two.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
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

QString decodeTextFile(const QByteArray &bytes)
{
    const QByteArrayView body = withoutBom(bytes);
    if (std::optional<QString> text = strictUtf8(body))
        return *std::move(text);
    return decodeWindows1252(body);
}

QString decodeTextStart(const QByteArray &bytes)
{
    // Windows-1252 has a character for every byte, so nothing is cut there.
    const QByteArrayView body = withoutBom(bytes);
    if (std::optional<QString> text = strictUtf8(body.first(wholeUtf8Length(body))))
        return *std::move(text);
    return decodeWindows1252(body);
}
