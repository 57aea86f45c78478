#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>

#include <optional>

// Files of the old system are in the Windows-1252 code page; Qt has no codec
// for it without ICU, so it is built here.

QString decodeWindows1252(QByteArrayView bytes);

// Whether any of the bytes is one of 0x80 to 0x9F, the only ones where
// Windows-1252 and Latin-1 differ: without them Latin-1 decodes the bytes.
bool hasWindows1252Marks(QByteArrayView bytes);

// Characters without a Windows-1252 byte become '?' and set *ok to false.
QByteArray encodeWindows1252(const QString &text, bool *ok = nullptr);

// The UTF-16 encoding that a byte-order mark at the start of bytes names
// (FF FE little-endian, FE FF big-endian), as spreadsheets save "Unicode text".
std::optional<QStringConverter::Encoding> utf16Mark(QByteArrayView bytes);

// The text of a whole file: UTF-16 after its byte-order mark; else UTF-8 when
// the bytes are valid UTF-8 (files written on this system), otherwise
// Windows-1252 (files from the old system). A byte-order mark is dropped.
QString decodeTextFile(const QByteArray &bytes);

// The text of the first bytes of a longer file, decided as decodeTextFile
// does, except that a UTF-8 character cut off by the end of the bytes is
// dropped instead of making the whole text Windows-1252.
QString decodeTextStart(const QByteArray &bytes);
