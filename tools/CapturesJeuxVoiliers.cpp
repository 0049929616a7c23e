// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CapturesJeuxVoiliers.h"

#include "core/Programme.h"
#include "core/ReglagesUtilisateur.h"
#include "program/Fenetres.h"
#include "results/U_bilan.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"
#include "sailboats/U_Jeu_23.h"

#include <QPushButton>
#include <QTest>

namespace {

// Places `jusqua` boats, the second one in a wrong cell.
void Placer(TF_Jeu_1& jeu, int jusqua) {
    for (int rang = 0; rang < jusqua; ++rang) {
        const PartieRemplir& p = jeu.Partie();
        if (p.EtapeEnCours() != PartieRemplir::Etape::EnJeu) return;
        QPoint clic(p.ColonneEnCours(), p.LigneEnCours());
        if (rang == 1)
            for (int r = 1; r <= p.Tableau().NbTotalGauche; ++r)
                for (int c = 1; c <= p.Tableau().NbTotalHaut; ++c)
                    if (QPoint(c, r) != clic && p.CaseCliquable(r, c)) clic = QPoint(c, r);
        QTest::mouseClick(jeu.Tableau()->Case(clic.y(), clic.x()), Qt::LeftButton);
    }
}

// The results window as the game hands it over, with everything the teacher can allow.
void CapturerBilan(Programme& prog, Fenetres& fenetres, const ResultatPartie& partie, const QString& nom,
                   const std::function<void(QWidget&, const QString&)>& enregistrer) {
    auto* bilan = qobject_cast<TF_bilan*>(fenetres.Fenetre(IdFenetre::Bilan));
    if (!bilan) return;
    const Preferences avant = prog.Prefs;
    prog.Prefs.EnregistrerBilans = prog.Prefs.BilansIndividuels = 1;
    prog.Prefs.ImprimerResultats = prog.Prefs.ImprimerExercice = 1;
    bilan->Preparer(partie, ReglagesDuProgramme(prog, {}));
    bilan->show();
    enregistrer(*bilan, nom);
    bilan->hide();
    prog.Prefs = avant;
}

void CapturerJeu1(Programme& prog, Fenetres& fenetres,
                  const std::function<void(QWidget&, const QString&)>& enregistrer) {
    auto* jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    if (!jeu) return;
    for (int taille : {1, 7}) {
        prog.Prefs.TailleJeu1 = static_cast<quint8>(taille);
        jeu->Ouvrir(ChoixExercice{1, {}});
        enregistrer(*jeu, QStringLiteral("Jeu1_taille%1_debut").arg(taille));
        QTest::mouseClick(jeu->findChild<QPushButton*>(QStringLiteral("BoutonCommencer")), Qt::LeftButton);
        Placer(*jeu, jeu->Compteurs().NbTotal / 2);
        enregistrer(*jeu, QStringLiteral("Jeu1_taille%1_milieu").arg(taille));
        prog.Reglages().Ecrire(BoutonTrames::Cle, true);
        enregistrer(*jeu, QStringLiteral("Jeu1_taille%1_milieu_hachures").arg(taille));
        prog.Reglages().Ecrire(BoutonTrames::Cle, false);
        Placer(*jeu, 100);
        enregistrer(*jeu, QStringLiteral("Jeu1_taille%1_fin").arg(taille));
        jeu->hide();
    }
    CapturerBilan(prog, fenetres, ResultatPartie{1, jeu->Compteurs(), {}}, QStringLiteral("F_bilan_Jeu1"),
                  enregistrer);
}

// Paints the headers to find and then the boats, row by row, with the palette and the mouse, until
// `jusqua` parts are right; every fifth part takes a wrong colour first.
void Colorier(TF_Jeu_23& jeu, int jusqua) {
    const PartieColorier& p = jeu.Partie();
    const TableauVoiliers& t = p.Tableau();
    int faites = 0, essais = 0;
    auto peindre = [&](ImageVoilier* image, QPoint point, int juste) {
        if (faites >= jusqua) return;
        if (++essais % 5 == 0) {
            QTest::mouseClick(jeu.Palette()->Bouton(juste == 4 ? 5 : 4), Qt::LeftButton);
            QTest::mouseClick(image, Qt::LeftButton, {}, point);
        }
        QTest::mouseClick(jeu.Palette()->Bouton(juste), Qt::LeftButton);
        QTest::mouseClick(image, Qt::LeftButton, {}, point);
        ++faites;
    };
    TableauImages* tableau = jeu.Tableau();
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        if (p.EnteteAColorier(PartieBateau::Coque, r))
            peindre(tableau->EnteteCoque(r), tableau->EnteteCoque(r)->rect().center(), t.CouleursCoques[r]);
    for (int c = 1; c <= t.NbTotalHaut; ++c)
        if (p.EnteteAColorier(PartieBateau::Voiles, c))
            peindre(tableau->EnteteVoiles(c), tableau->EnteteVoiles(c)->rect().center(), t.CouleursVoiles[c]);
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            if (!p.CaseAColorier(r, c)) continue;
            ImageVoilier* image = tableau->Case(r, c);
            const int pont = VoilierEcran::LigneFlottaison(image->height());
            peindre(image, QPoint(image->width() / 2, pont / 2), t.CouleursVoiles[c]);
            peindre(image, QPoint(image->width() / 2, pont + 2), t.CouleursCoques[r]);
        }
}

void CapturerJeu23(Programme& prog, Fenetres& fenetres,
                   const std::function<void(QWidget&, const QString&)>& enregistrer) {
    auto* jeu = fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
    if (!jeu) return;
    for (int numJeu : {2, 3}) {
        prog.Prefs.TailleJeu(numJeu) = static_cast<quint8>(numJeu == 2 ? 4 : 7);
        jeu->Ouvrir(ChoixExercice{numJeu, {}});
        enregistrer(*jeu, QStringLiteral("Jeu%1_debut").arg(numJeu));
        Colorier(*jeu, jeu->Compteurs().NbTotal / 2);
        enregistrer(*jeu, QStringLiteral("Jeu%1_milieu").arg(numJeu));
        prog.Reglages().Ecrire(BoutonTrames::Cle, true);
        enregistrer(*jeu, QStringLiteral("Jeu%1_milieu_hachures").arg(numJeu));
        prog.Reglages().Ecrire(BoutonTrames::Cle, false);
        Colorier(*jeu, 100);
        enregistrer(*jeu, QStringLiteral("Jeu%1_fin").arg(numJeu));
        prog.Reglages().Ecrire(BoutonTrames::Cle, true);
        enregistrer(*jeu, QStringLiteral("Jeu%1_fin_hachures").arg(numJeu));
        prog.Reglages().Ecrire(BoutonTrames::Cle, false);
        jeu->hide();
    }
    CapturerBilan(prog, fenetres, ResultatPartie{3, jeu->Compteurs(), {}}, QStringLiteral("F_bilan_Jeu3"),
                  enregistrer);
}

} // namespace

void CapturerJeuxVoiliers(Programme& prog, Fenetres& fenetres,
                          const std::function<void(QWidget&, const QString&)>& enregistrer) {
    CapturerJeu1(prog, fenetres, enregistrer);
    CapturerJeu23(prog, fenetres, enregistrer);
}
