// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TexteEnCours.h"

#include "core/AccesFichier.h"
#include "core/DossierProgramme.h"
#include "core/ImpressionTexte.h"
#include "core/Libelles.h"
#include "core/TravailImpression.h"
#include "editor/EcrivainRtf.h"
#include "editor/TexteBrut.h"
#include "results/BilansIndividuels.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace {

using Forme = FichierEditeur::Forme;
using Libelles::Guillemets;

const QString FiltreOuverture = QStringLiteral("Rich Text Format (*.rtf);;Texte (*.txt)");

QString Nom(const QString& chemin) {
    return Guillemets(QFileInfo(chemin).fileName());
}

// "lettre.rtf" gives "lettre (copie).rtf", beside it.
QString Copie(const QString& chemin) {
    const QFileInfo fichier(chemin);
    const QString suffixe = fichier.suffix().isEmpty() ? QString() : QLatin1Char('.') + fichier.suffix();
    return fichier.dir().filePath(fichier.completeBaseName() + QStringLiteral(" (copie)") + suffixe);
}

bool MemeFichier(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    return fa.absoluteFilePath() == fb.absoluteFilePath() ||
           (fa.exists() && fa.canonicalFilePath() == fb.canonicalFilePath());
}

// "des images, un en-tête ou un pied de page et l'adresse d'un lien"
QString Decrire(OmissionsRtf omissions) {
    static const std::pair<OmissionRtf, const char*> Noms[] = {
        {OmissionRtf::Images, "des images"},
        {OmissionRtf::Objets, "des objets d'autres programmes"},
        {OmissionRtf::EnTetes, "un en-tête ou un pied de page"},
        {OmissionRtf::Champs, "l'adresse d'un lien ou le code d'un champ"},
        {OmissionRtf::Tableaux, "la disposition d'un tableau"},
        {OmissionRtf::Notes, "des notes de bas de page"},
        {OmissionRtf::Commentaires, "des commentaires"},
    };
    QStringList parties;
    for (const auto& [omission, nom] : Noms)
        if (omissions.testFlag(omission)) parties += QString::fromUtf8(nom);
    const QString dernier = parties.takeLast();
    return parties.isEmpty() ? dernier
                             : parties.join(QStringLiteral(", ")) + QStringLiteral(" et ") + dernier;
}

// The file's name has the last word: a ".txt" holds plain text and a ".rtf" rich text, whatever
// the type left selected; a name without either takes the type's extension.
std::pair<QString, Forme> FormeChoisie(QString chemin, int type, const Forme& actuelle) {
    const QString extension = QFileInfo(chemin).suffix().toLower();
    bool riche = type != 1;
    if (extension == QLatin1String("txt"))
        riche = false;
    else if (extension == QLatin1String("rtf"))
        riche = true;
    else
        chemin += riche ? QStringLiteral(".rtf") : QStringLiteral(".txt");
    const TexteBrut::Codage codage = actuelle.riche ? TexteBrut::Codage::Windows1252 : actuelle.codage;
    return {chemin, Forme{riche, codage, actuelle.uneLigneVide}};
}

} // namespace

const QStringList TexteEnCours::Types{QStringLiteral("Rich Text Format (*.rtf)"),
                                      QStringLiteral("Texte (*.txt)")};

TexteEnCours::TexteEnCours(PlateForme& plate, const QString& dossier, const QString& fichierGeneral)
    : plate(plate), dossier(dossier), fichierGeneral(fichierGeneral),
      document(std::make_unique<QTextDocument>()) {}

TexteEnCours::~TexteEnCours() = default;

void TexteEnCours::RetourRepertoire() {
    ::RetourRepertoire(plate, dossier);
}

void TexteEnCours::Activer(const TexteAOuvrir& texte) {
    if (texte.Sorte == TexteAOuvrir::Mode::Bilan && !texte.Fichier.isEmpty()) {
        const QString chemin = AccesFichier::Dans(dossier, texte.Fichier);
        // Not there yet, in a folder that is there; anything else is for the reading to tell.
        const bool absent =
            AccesFichier::NatureDe(chemin) == AccesFichier::Nature::Absent && QFileInfo(dossier).isDir();
        if (!absent && Charger(chemin, true)) return;
        if (absent)
            plate.Avertir(QStringLiteral("Le fichier %1 n'existe pas encore\u00a0: aucun résultat n'y a "
                                         "été enregistré.")
                              .arg(Nom(chemin)));
    }
    TexteModifie = false;
    TexteNomme = false;
    NomFichierTexte.clear();
}

PlateForme::Reponse TexteEnCours::Confirmation() {
    return plate.Confirmer(QStringLiteral("Confirmation"),
                           QStringLiteral("Enregistrer les modifications du texte en cours ?"));
}

// "&Oui" saves under a name and keeps the text on screen; Escape stays.
void TexteEnCours::Nouveau() {
    if (TexteModifie) {
        const PlateForme::Reponse reponse = Confirmation();
        if (reponse == PlateForme::Reponse::Oui) EnregistrerSous();
        if (reponse != PlateForme::Reponse::Non) return;
    }
    Vider();
    TexteNomme = false;
}

void TexteEnCours::Ouvrir() {
    RetourRepertoire();
    const PlateForme::Reponse reponse = TexteModifie ? Confirmation() : PlateForme::Reponse::Non;
    if (reponse == PlateForme::Reponse::Oui) EnregistrerSous();
    if (reponse == PlateForme::Reponse::Non) OuvrirTexte();
    RetourRepertoire();
}

void TexteEnCours::OuvrirTexte() {
    const QString chemin =
        plate.ChoisirFichierAOuvrir(QStringLiteral("Ouvrir"), FiltreOuverture, dossier, QString());
    if (!chemin.isEmpty()) Charger(chemin, EstBilan(chemin));
    RetourRepertoire();
}

// Over a file that held more than the editor shows, the teacher is asked first; "Non" offers
// another name.
bool TexteEnCours::Enregistrer() {
    if (!TexteNomme) return EnregistrerSous();
    if (omissions && !AccepterLaPerte(NomFichierTexte, true)) return EnregistrerSous(Copie(NomFichierTexte));
    return Ecrire(NomFichierTexte, forme);
}

bool TexteEnCours::EnregistrerSous() {
    return EnregistrerSous(NomFichierTexte);
}

bool TexteEnCours::EnregistrerSous(const QString& proposition) {
    int type = forme.riche ? 0 : 1;
    const QString chemin = plate.ChoisirFichierAEnregistrer(QStringLiteral("Enregistrer sous"), Types, type,
                                                            dossier, proposition);
    RetourRepertoire();
    if (chemin.isEmpty()) return false;
    const auto [fichier, voulue] = FormeChoisie(chemin, type, forme);
    if (omissions && MemeFichier(fichier, NomFichierTexte) && !AccepterLaPerte(fichier, false)) return false;
    return Ecrire(fichier, voulue);
}

bool TexteEnCours::AccepterLaPerte(const QString& chemin, bool autreNomPropose) {
    QString question =
        QStringLiteral("Le fichier %1 vient d'un autre programme et contient ce que l'éditeur ne peut pas "
                       "montrer : %2. L'enregistrer ici le ferait disparaître de ce fichier.\n\n"
                       "Remplacer quand même %1 ?")
            .arg(Nom(chemin), Decrire(omissions));
    if (autreNomPropose)
        question += QStringLiteral(" Répondez « Non » pour enregistrer le texte sous un autre nom.");
    return plate.Demander(question);
}

bool TexteEnCours::Quitter() {
    if (TexteModifie) {
        const PlateForme::Reponse reponse = Confirmation();
        if (reponse == PlateForme::Reponse::Oui) EnregistrerSous();
        if (reponse != PlateForme::Reponse::Non) return false;
    }
    Vider();
    NomFichierTexte.clear();
    return true;
}

void TexteEnCours::Imprimer() {
    const QString titre = NomFichierTexte.isEmpty() ? QStringLiteral("Editeur de texte")
                                                    : QFileInfo(NomFichierTexte).fileName();
    ImprimerDepuisFenetre(
        plate, titre, std::nullopt, 0,
        [this](const Destination& vers) { return ImpressionTexte::Imprimer(*document, vers); },
        QStringLiteral("Le texte n'a pas pu être imprimé\u00a0: l'imprimante ou le fichier choisi n'a pas "
                       "accepté les pages."));
}

// A file that cannot be read, or whose reading the teacher stops, leaves the text on screen as
// it was.
bool TexteEnCours::Charger(const QString& chemin, bool estBilan) {
    QByteArray octets;
    QString raison;
    const bool lu = estBilan ? EcritureFichier::LireSousVerrou(chemin, octets, raison, attenteVerrou)
                             : FichierEditeur::LireOctets(chemin, octets, raison);
    if (!lu) {
        plate.Avertir(
            QStringLiteral("Le fichier %1 n'a pas pu être ouvert\u00a0: %2.").arg(Nom(chemin), raison));
        return false;
    }
    std::unique_ptr<QTextDocument> nouveau = NouveauDocument();
    {
        FichierEditeur::Lecture lecture(octets, *nouveau, estBilan);
        if (!(lireEnTranches ? lireEnTranches(lecture, chemin) : lecture.Avancer())) return false;
        forme = lecture.FormeLue();
        omissions = lecture.Omissions();
    }
    nouveau->setUndoRedoEnabled(true);
    std::swap(document, nouveau);
    if (documentRemplace) documentRemplace(*document);
    nouveau.reset();
    NomFichierTexte = chemin;
    TexteNomme = true;
    TexteModifie = false;
    bilan = estBilan;
    octetsLus = estBilan ? std::optional(octets) : std::nullopt;
    return true;
}

bool TexteEnCours::Ecrire(const QString& chemin, Forme voulue) {
    const bool versUnBilan = (bilan && chemin == NomFichierTexte) || EstBilan(chemin);
    if (versUnBilan) voulue.riche = false;
    QByteArray octets;
    if (!Encoder(voulue, octets)) return false;
    QString raison;
    // A text saved elsewhere than in the program folder: a folder that refuses it is named.
    const RaisonFichier::Lieu lieu = QFileInfo(chemin).absoluteDir() == QDir(dossier)
                                         ? RaisonFichier::Lieu::DossierDuProgramme
                                         : RaisonFichier::Lieu::DossierChoisi;
    const bool ecrit = versUnBilan ? RemplacerBilan(chemin, octets, raison)
                                   : EcritureFichier::Remplacer(chemin, octets, raison, lieu);
    if (!ecrit) {
        if (!raison.isEmpty())
            plate.Avertir(QStringLiteral("Le texte n'a pas été enregistré dans %1\u00a0: %2. Le fichier est "
                                         "resté tel qu'il était.")
                              .arg(Nom(chemin), raison));
        return false;
    }
    NomFichierTexte = chemin;
    forme = voulue;
    omissions = {};
    TexteNomme = true;
    TexteModifie = false;
    bilan = versUnBilan;
    octetsLus = versUnBilan ? std::optional(octets) : std::nullopt;
    return true;
}

// A character the plain file's set cannot hold would be written "?": the teacher decides.
bool TexteEnCours::Encoder(const Forme& voulue, QByteArray& octets) {
    if (voulue.riche) {
        octets = EcrivainRtf::Ecrire(*document);
        return true;
    }
    const QStringList lignes = TexteBrut::Lignes(*document, voulue.uneLigneVide);
    const QString manquants = TexteBrut::Intraduisibles(lignes, voulue.codage);
    if (!manquants.isEmpty() &&
        !plate.Demander(QStringLiteral("Un texte simple ne peut pas garder ces caractères\u00a0: %1. Ils "
                                       "seront écrits «\u00a0?\u00a0». Enregistrer quand même\u00a0?")
                            .arg(manquants)))
        return false;
    octets = TexteBrut::Encoder(lignes, voulue.codage);
    return true;
}

// Under the lock of the appends: a pupil's entry is either in the file that is compared, or
// written after the teacher's text. Entries added since the file was read are never lost
// without the teacher saying so. A refusal leaves raison empty: it is said here.
bool TexteEnCours::RemplacerBilan(const QString& chemin, const QByteArray& octets, QString& raison) {
    std::optional<QByteArray> attendu = bilan && chemin == NomFichierTexte ? octetsLus : std::nullopt;
    for (;;) {
        QByteArray actuel;
        bool change = false;
        const bool fait = EcritureFichier::SousVerrou(
            chemin,
            [&](QString& r) {
                if (attendu) {
                    QString illisible;
                    if (!EcritureFichier::LireTout(chemin, actuel, illisible)) actuel.clear();
                    change = actuel != *attendu;
                    if (change) return true;
                }
                return EcritureFichier::Remplacer(chemin, octets, r);
            },
            raison, attenteVerrou);
        if (!fait || !change) return fait;
        if (!plate.Demander(QStringLiteral("Le fichier %1 a changé depuis son ouverture\u00a0: des élèves y "
                                           "ont sans doute enregistré de nouveaux résultats. Le remplacer "
                                           "quand même par le texte de l'éditeur\u00a0? Ces nouveaux "
                                           "résultats seraient perdus.")
                                .arg(Nom(chemin)))) {
            plate.Avertir(
                QStringLiteral("Le texte n'a pas été enregistré. Pour le garder, enregistrez-le sous un "
                               "autre nom\u00a0; pour voir les nouveaux résultats, quittez l'éditeur "
                               "et rouvrez le bilan."));
            raison.clear();
            return false;
        }
        attendu = actuel;
    }
}

// The general results file, or a pupil's, in the program folder.
bool TexteEnCours::EstBilan(const QString& chemin) const {
    const QFileInfo info(chemin);
    if (QFileInfo(info.absolutePath()).canonicalFilePath() != QFileInfo(dossier).canonicalFilePath())
        return false;
    return info.fileName() == fichierGeneral ||
           !BilansIndividuels::ClasseDe(info.fileName(), BilansIndividuels::Classes(dossier)).isEmpty();
}

// A document for a file being read: with the editor's font and margins, without undo (it would
// double the memory of a long file).
std::unique_ptr<QTextDocument> TexteEnCours::NouveauDocument() const {
    auto nouveau = std::make_unique<QTextDocument>();
    nouveau->setUndoRedoEnabled(false);
    nouveau->setDefaultFont(document->defaultFont());
    nouveau->setDocumentMargin(document->documentMargin());
    nouveau->setDefaultTextOption(document->defaultTextOption());
    nouveau->setIndentWidth(document->indentWidth());
    return nouveau;
}

void TexteEnCours::Vider() {
    document->clear();
    document->clearUndoRedoStacks();
    forme = Forme{};
    omissions = {};
    bilan = false;
    octetsLus.reset();
    TexteModifie = false;
}
