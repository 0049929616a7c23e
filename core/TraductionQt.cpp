#include "core/TraductionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool TraduireQt(QCoreApplication& application, QTranslator& traducteur) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (!traducteur.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return application.installTranslator(&traducteur);
}
