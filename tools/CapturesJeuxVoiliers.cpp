#include "tools/CapturesJeuxVoiliers.h"

#include "core/Programme.h"
#include "core/ReglagesUtilisateur.h"
#include "program/Fenetres.h"
#include "results/U_bilan.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"

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
    bilan->Preparer(partie);
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

} // namespace

void CapturerJeuxVoiliers(Programme& prog, Fenetres& fenetres,
                          const std::function<void(QWidget&, const QString&)>& enregistrer) {
    CapturerJeu1(prog, fenetres, enregistrer);
}
