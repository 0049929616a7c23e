#include "editor/FichierEditeur.h"

#include "core/EcritureFichier.h"
#include "core/RaisonFichier.h"
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"

#include <QFile>
#include <QTextDocument>

namespace FichierEditeur {

bool Lire(const QString& chemin, QTextDocument& document, Forme& forme, QString& raison,
          bool enTexteSeulement) {
    QByteArray octets;
    if (!EcritureFichier::LireTout(chemin, octets, raison)) return false;
    if (!enTexteSeulement && LecteurRtf::Lire(octets, document)) {
        forme = Forme{true, TexteBrut::Codage::Windows1252};
        return true;
    }
    const TexteBrut::TexteLu texte = TexteBrut::Decoder(octets);
    TexteBrut::Remplir(document, texte.lignes);
    forme = Forme{false, texte.codage};
    return true;
}

bool Ecrire(const QString& chemin, const QTextDocument& document, const Forme& forme, QString& raison) {
    if (forme.riche) return EcritureFichier::Remplacer(chemin, EcrivainRtf::Ecrire(document), raison);
    return TexteBrut::Ecrire(chemin, document, forme.codage, raison);
}

} // namespace FichierEditeur
