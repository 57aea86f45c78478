#include "files/kvtml.h"

#include <QMap>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

// Vocabulary documents nest a few levels; a deeper one is built to hurt.
constexpr int MaxDepth = 32;

struct Identifier {
    int id = 0;
    QString name;
    QString locale;
};

bool isLanguage(const Identifier &identifier, QStringView code, const QStringList &names)
{
    return identifier.locale.trimmed().startsWith(code, Qt::CaseInsensitive) ||
           names.contains(identifier.name.trimmed(), Qt::CaseInsensitive);
}

// Which identifiers give the first (Swedish) and second (English) word.
std::pair<int, int> sides(const QList<Identifier> &identifiers)
{
    std::optional<int> swedish, english;
    for (const Identifier &identifier : identifiers) {
        if (!swedish && isLanguage(identifier, u"sv", {QStringLiteral("svenska"), QStringLiteral("swedish")}))
            swedish = identifier.id;
        else if (!english &&
                 isLanguage(identifier, u"en", {QStringLiteral("english"), QStringLiteral("engelska")}))
            english = identifier.id;
    }
    const auto firstOther = [&identifiers](int taken) -> int {
        for (const Identifier &identifier : identifiers) {
            if (identifier.id != taken)
                return identifier.id;
        }
        return taken == 0 ? 1 : 0;
    };
    if (swedish && english)
        return {*swedish, *english};
    if (swedish)
        return {*swedish, firstOther(*swedish)};
    if (english)
        return {firstOther(*english), *english};
    return {0, 1};
}

// Whether XML 1.0 can carry the character at all.
bool xmlCarries(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Text as XML character data: markup characters escaped, and a carriage
// return as a reference, since a parser turns a line end into "\n".
std::optional<QString> escaped(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (!xmlCarries(c))
            return std::nullopt;
    }
    return text.toHtmlEscaped().replace(u'\r', QStringLiteral("&#13;"));
}

// Whether the open elements end in these, innermost last.
bool within(const QStringList &path, std::initializer_list<QStringView> parents)
{
    if (path.size() < qsizetype(parents.size()))
        return false;
    qsizetype at = path.size() - qsizetype(parents.size());
    for (const QStringView parent : parents) {
        if (path[at++] != parent)
            return false;
    }
    return true;
}

// The word of a <text> (or an old document's <o> or <t>), which the reader stands at.
QString wordAt(QXmlStreamReader &xml)
{
    const bool preserve = xml.attributes().value(QLatin1String("xml:space")) == u"preserve";
    const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
    return preserve ? text : text.trimmed();
}

} // namespace

namespace Kvtml {

bool looksLikeKvtml(const QByteArray &bytes)
{
    // The first element decides, however long the comments before it.
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == u"kvtml";
    }
    return false;
}

std::optional<Parsed> parse(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    QStringList path; // the open elements, root first
    bool version2 = false;
    QList<Identifier> identifiers;
    QList<QMap<int, QString>> entries; // each entry's words by identifier
    int translation = -1;
    int column = 0; // an old document's words in an entry: <o> is 0, each <t> the next
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities of its own are how documents blow up; KDE's never declare any.
            if (!xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty())
                return std::nullopt;
            break;
        case QXmlStreamReader::EntityReference:
            return std::nullopt;
        case QXmlStreamReader::EndElement:
            path.removeLast();
            break;
        case QXmlStreamReader::StartElement: {
            const QString name = xml.name().toString();
            const QString parent = path.value(path.size() - 1);
            const QXmlStreamAttributes attributes = xml.attributes();
            if (path.isEmpty()) {
                if (name != u"kvtml")
                    return std::nullopt;
                version2 = attributes.value(QLatin1String("version")).startsWith(u"2");
            } else if (path.size() >= MaxDepth) {
                return std::nullopt;
            }
            const int id = attributes.value(QLatin1String("id")).toInt();
            if (version2 && name == u"identifier" && parent == u"identifiers") {
                identifiers.append({id, {}, {}});
            } else if (version2 && (name == u"name" || name == u"locale") &&
                       within(path, {u"identifiers", u"identifier"})) {
                (name == u"name" ? identifiers.last().name : identifiers.last().locale) =
                    xml.readElementText(QXmlStreamReader::SkipChildElements);
                continue; // the reader stands at the end of the element
            } else if ((version2 && name == u"entry" && parent == u"entries") ||
                       (!version2 && name == u"e")) {
                entries.append(QMap<int, QString>());
                column = 0;
            } else if (version2 && name == u"translation" && parent == u"entry") {
                translation = id;
            } else if (version2 && name == u"text" && within(path, {u"entries", u"entry", u"translation"})) {
                entries.last().insert(translation, wordAt(xml));
                continue;
            } else if (!version2 && (name == u"o" || name == u"t") && parent == u"e") {
                // Each <t> is a language of its own, named in the first entry.
                const int side = name == u"o" ? 0 : ++column;
                const QString language = attributes.value(QLatin1String("l")).toString();
                if (entries.size() == 1 && !language.isEmpty())
                    identifiers.append({side, {}, language});
                entries.last().insert(side, wordAt(xml));
                continue;
            }
            path.append(name);
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError())
        return std::nullopt;

    const auto [first, second] = sides(identifiers);
    const auto isWord = [](const QString &word) {
        return !word.isEmpty() && word.size() <= WordList::MaxWordLength;
    };
    Parsed parsed;
    for (const QMap<int, QString> &entry : std::as_const(entries)) {
        const QString swedish = entry.value(first), english = entry.value(second);
        if (isWord(swedish) && isWord(english))
            parsed.pairs.append({swedish, english});
        else
            ++parsed.skipped;
    }
    return parsed;
}

std::optional<QByteArray> format(const QList<WordPair> &pairs, const QString &title, QString *badWord)
{
    QString document = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
        "<kvtml version=\"2.0\">\n"
        " <information>\n"
        "  <generator>Ordkvarnen</generator>\n"
        "  <title>%1</title>\n"
        " </information>\n"
        " <identifiers>\n"
        "  <identifier id=\"0\">\n   <name>Svenska</name>\n   <locale>sv</locale>\n  </identifier>\n"
        "  <identifier id=\"1\">\n   <name>English</name>\n   <locale>en</locale>\n  </identifier>\n"
        " </identifiers>\n"
        " <entries>\n");
    document = document.arg(escaped(title).value_or(QStringLiteral("Ordkvarnen")));
    const auto text = [](const QString &word) {
        // Blanks at either end belong to the word: they are kept on reading.
        const bool blanks = !word.isEmpty() && (word.front().isSpace() || word.back().isSpace());
        return (blanks ? QStringLiteral("<text xml:space=\"preserve\">") : QStringLiteral("<text>")) +
               *escaped(word) + QStringLiteral("</text>");
    };
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        for (const QString &word : {pairs[i].swedish, pairs[i].english}) {
            if (!escaped(word)) {
                if (badWord)
                    *badWord = word;
                return std::nullopt;
            }
        }
        document += QStringLiteral("  <entry id=\"%1\">\n").arg(i) +
                    QStringLiteral("   <translation id=\"0\">\n    ") + text(pairs[i].swedish) +
                    QStringLiteral("\n   </translation>\n   <translation id=\"1\">\n    ") +
                    text(pairs[i].english) + QStringLiteral("\n   </translation>\n  </entry>\n");
    }
    document += QStringLiteral(" </entries>\n</kvtml>\n");
    return document.toUtf8();
}

} // namespace Kvtml
