#include "platform/qtswedish.h"

#include <QLibraryInfo>

#include <cstring>

bool QtSwedishTexts::loadCatalogue()
{
    [[maybe_unused]] const bool own = m_own.load(QStringLiteral(":/ordkvarnen/ordkvarnen_sv.qm"));
    Q_ASSERT(own); // built into the program
    return load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtSwedishTexts::translate(const char *context, const char *sourceText, const char *disambiguation,
                                  int n) const
{
    // The program's own texts are those Qt's catalogue lacks: asked first, they cost nothing elsewhere.
    if (QString own = m_own.translate(context, sourceText, disambiguation, n); !own.isEmpty())
        return own;
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    // Qt 6 asks for the standard buttons ("Cancel", "&Yes") under the
    // platform theme, while the Swedish catalogue still has them under the
    // button box, where Qt 5 asked.
    if (text.isEmpty() && context && std::strcmp(context, "QPlatformTheme") == 0)
        return QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    return text;
}
