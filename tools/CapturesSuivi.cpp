// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CapturesSuivi.h"

#include "core/Programme.h"
#include "program/Fenetres.h"
#include "suivi/U_Suivi.h"
#include "support/ClasseEcrite.h"

#include <QApplication>
#include <QTemporaryDir>

void CapturerSuivi(Programme& prog, Fenetres& fenetres,
                   const std::function<void(QWidget& fenetre, const QString& nom)>& enregistrer) {
    auto* suivi = fenetres.Obtenir<TF_Suivi>(IdFenetre::Suivi);
    if (!suivi) return;
    QTemporaryDir dossier;
    const QStringList classe = ClasseEcrite::Prenoms.first(25);
    ClasseEcrite::EcrireListe(dossier.path(), QStringLiteral("CM1"), classe);
    ClasseEcrite::Ecrire(
        dossier.path(), prog.Profil(), QStringLiteral("CM1"),
        ClasseEcrite::Parties(classe.first(22), 12, QDateTime(QDate(2026, 1, 5), QTime(9, 30))));
    suivi->Preparer(dossier.path());
    suivi->show();
    QApplication::processEvents();
    suivi->ChoisirClasse(QStringLiteral("CM1"));
    enregistrer(*suivi, QStringLiteral("F_Suivi_classe"));
    suivi->MontrerEleve(1);
    enregistrer(*suivi, QStringLiteral("F_Suivi_eleve"));
    suivi->hide();
}
