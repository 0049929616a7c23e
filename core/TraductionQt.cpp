// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TraductionQt.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallerTraductionQt() {
    // Tried once per run: a machine without Qt's translations keeps the English texts.
    static bool essayee = false;
    static bool installee = false;
    auto* application = QCoreApplication::instance();
    if (essayee || !application) return installee;
    essayee = true;
    auto* traducteur = new QTranslator(application);
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traducteur))
        installee = true;
    else
        delete traducteur;
    return installee;
}

namespace {

class EcouteDesLecteurs final : public QAccessible::ActivationObserver {
  public:
    void accessibilityActiveChanged(bool actif) override {
        if (actif) InstallerTraductionQt();
    }
};

} // namespace

void TraduireQtPourLesLecteurs() {
    static EcouteDesLecteurs ecoute;
    if (QAccessible::isActive())
        InstallerTraductionQt();
    else
        QAccessible::installActivationObserver(&ecoute);
}
