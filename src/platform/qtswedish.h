#pragma once

#include <QTranslator>

// Qt's own texts (the file and colour dialogs, the question before a file is
// replaced, standard buttons, a text box's menu) in Swedish, whatever the
// user's locale: every other text of the program is Swedish too. The texts
// come from Qt's Swedish catalogue, qt_sv.qm in Qt's translations folder,
// and, for the texts it lacks, from the program's own, which it carries.
class QtSwedishTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    // Loads both catalogues; false when Qt's is missing, and most of Qt's
    // texts then stay English.
    bool loadCatalogue();

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return QTranslator::isEmpty() && m_own.isEmpty(); }

private:
    QTranslator m_own;
};
