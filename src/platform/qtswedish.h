#pragma once

#include <QTranslator>

// Qt's own texts (the file and colour dialogs, the question before a file is
// replaced, standard buttons) in Swedish, whatever the user's locale: every
// other text of the program is Swedish too. The texts come from Qt's Swedish
// catalogue, qt_sv.qm in Qt's translations folder.
class QtSwedishTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    // Loads the catalogue from Qt's translations folder; false when it is
    // missing, and Qt's texts then stay English.
    bool loadCatalogue();

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
};
