#include "ui/QtTexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalvorin {

QTranslator* QtTexteDeutsch(QCoreApplication& app) {
    // Owned by the application, so that it lives exactly as long as the
    // texts are asked for.
    auto* texte = new QTranslator(&app);
    if (!texte->load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texte;
        return nullptr;
    }
    QCoreApplication::installTranslator(texte);
    return texte;
}

} // namespace kalvorin
