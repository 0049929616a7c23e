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
    if (!LireOctets(chemin, octets, raison)) return false;
    Decoder(octets, document, forme, enTexteSeulement);
    return true;
}

void Decoder(QByteArrayView octets, QTextDocument& document, Forme& forme, bool enTexteSeulement) {
    if (!enTexteSeulement && LecteurRtf::Lire(octets, document)) {
        forme = Forme{true, TexteBrut::Codage::Windows1252};
        return;
    }
    const TexteBrut::TexteLu texte = TexteBrut::Decoder(octets);
    TexteBrut::Remplir(document, texte.lignes);
    forme = Forme{false, texte.codage, texte.lignes == QStringList{QString()}};
}

bool LireOctets(const QString& chemin, QByteArray& octets, QString& raison) {
    return EcritureFichier::LireTout(chemin, octets, raison);
}

bool Ecrire(const QString& chemin, const QTextDocument& document, const Forme& forme, QString& raison) {
    if (forme.riche) return EcritureFichier::Remplacer(chemin, EcrivainRtf::Ecrire(document), raison);
    return TexteBrut::Ecrire(chemin, document, forme.codage, raison, forme.uneLigneVide);
}

} // namespace FichierEditeur
