#pragma once

#include "core/wordlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// KDE vocabulary documents (.kvtml), as KWordQuiz and Parley keep their
// lists: XML whose root element is <kvtml>. Version 2.0 names its languages
// in <identifiers> and holds <entries>/<entry>/<translation id="N">/<text>;
// older documents hold <e><o>…</o><t>…</t></e>.

namespace Kvtml {

// Whether bytes are a KDE vocabulary document: XML whose root element is kvtml.
bool looksLikeKvtml(const QByteArray &bytes);

struct Parsed {
    QList<WordPair> pairs;
    int skipped = 0; // entries without a word on one side, or with one longer than any word
};

// The pairs of a document: the side recognised as Swedish first, the one
// recognised as English second (see the README for the whole rule). Only the
// <text> of a translation is a word, trimmed of blanks at either end unless it
// says xml:space="preserve". Nothing when the document is not well-formed,
// declares entities of its own, nests deeper than any vocabulary does, or has
// no kvtml root: nothing outside the bytes is ever read.
std::optional<Parsed> parse(const QByteArray &bytes);

// A version 2.0 document of pairs: Svenska (sv) as identifier 0, English (en)
// as 1, titled title, one entry per pair in list order, UTF-8. Nothing when a
// word holds a character XML cannot carry; the first such word is put in
// badWord.
std::optional<QByteArray> format(const QList<WordPair> &pairs, const QString &title,
                                 QString *badWord = nullptr);

} // namespace Kvtml
