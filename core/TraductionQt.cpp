// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TraductionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallerTraductionQt() {
    // Tried once per run: a machine without Qt's translations keeps the English texts.
    static bool essayee = false;
    auto* application = QCoreApplication::instance();
    if (essayee || !application) return;
    essayee = true;
    auto* traducteur = new QTranslator(application);
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}
