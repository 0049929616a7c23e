// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FichierEditeur.h"

#include "core/EcritureFichier.h"
#include "editor/EcrivainRtf.h"

#include <QFileInfo>
#include <QLocale>
#include <QTextDocument>

namespace FichierEditeur {

Lecture::Lecture(QByteArrayView octets, QTextDocument& document, bool enTexteSeulement)
    : taille(octets.size()) {
    if (!enTexteSeulement && LecteurRtf::EstRtf(octets))
        rtf = std::make_unique<LecteurRtf>(octets, document);
    else
        brut = std::make_unique<TexteBrut::Lecteur>(octets, document);
}

bool Lecture::Avancer(QDeadlineTimer fin) {
    return rtf ? rtf->Avancer(fin) : brut->Avancer(fin);
}

int Lecture::Pourmille() const {
    const qsizetype lus = rtf ? rtf->OctetsLus() : brut->OctetsLus();
    return taille == 0 ? 1000 : static_cast<int>(lus * 1000 / taille);
}

Forme Lecture::FormeLue() const {
    if (rtf) return Forme{};
    return Forme{false, brut->CodageLu(), brut->UneLigneVide()};
}

bool Lire(const QString& chemin, QTextDocument& document, Forme& forme, QString& raison,
          bool enTexteSeulement) {
    QByteArray octets;
    if (!LireOctets(chemin, octets, raison)) return false;
    Decoder(octets, document, forme, enTexteSeulement);
    return true;
}

void Decoder(QByteArrayView octets, QTextDocument& document, Forme& forme, bool enTexteSeulement) {
    Lecture lecture(octets, document, enTexteSeulement);
    lecture.Avancer();
    forme = lecture.FormeLue();
}

bool LireOctets(const QString& chemin, QByteArray& octets, QString& raison) {
    const QFileInfo fichier(chemin);
    if (fichier.isFile() && fichier.size() > TailleMaximale) {
        const QLocale francais(QLocale::French, QLocale::France);
        raison =
            QStringLiteral("il fait %1\u00a0Mo, et l'éditeur n'ouvre pas les fichiers de plus de %2\u00a0Mo")
                .arg(francais.toString(fichier.size() / (1024 * 1024)))
                .arg(TailleMaximale / (1024 * 1024));
        return false;
    }
    return EcritureFichier::LireTout(chemin, octets, raison);
}

bool Ecrire(const QString& chemin, const QTextDocument& document, const Forme& forme, QString& raison) {
    if (forme.riche) return EcritureFichier::Remplacer(chemin, EcrivainRtf::Ecrire(document), raison);
    return TexteBrut::Ecrire(chemin, document, forme.codage, raison, forme.uneLigneVide);
}

} // namespace FichierEditeur
