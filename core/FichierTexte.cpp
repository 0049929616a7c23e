// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FichierTexte.h"

#include "core/EcritureFichier.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QFile>

namespace {

constexpr char FinDeLigne[] = "\r\n";

QString SurUneLigne(QString ligne) {
    ligne.replace(QLatin1Char('\r'), QLatin1Char(' '));
    ligne.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return ligne;
}

} // namespace

namespace FichierTexte {

QByteArray EncoderLignes(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& ligne : lignes) {
        octets += Windows1252::Encoder(SurUneLigne(ligne));
        octets += FinDeLigne;
    }
    return octets;
}

// Split on the bytes, before decoding: CR and LF are the same bytes in every 8-bit set.
QStringList DecoderLignes(QByteArrayView octets) {
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets.at(i);
        if (c != '\r' && c != '\n') continue;
        lignes.append(Windows1252::Decoder(octets.sliced(debut, i - debut)));
        if (c == '\r' && i + 1 < octets.size() && octets.at(i + 1) == '\n') ++i;
        debut = i + 1;
    }
    if (debut < octets.size()) lignes.append(Windows1252::Decoder(octets.sliced(debut)));
    return lignes;
}

QByteArray EncoderTexte(QStringView texte) {
    if (texte.isEmpty()) return {};
    QString unifie = texte.toString();
    unifie.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unifie.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return EncoderLignes(unifie.split(QLatin1Char('\n')));
}

QString DecoderTexte(QByteArrayView octets) {
    return DecoderLignes(octets).join(QLatin1Char('\n'));
}

bool Lire(const QString& chemin, QString& texte, QString& raison) {
    QByteArray octets;
    if (!EcritureFichier::LireTout(chemin, octets, raison)) return false;
    texte = DecoderTexte(octets);
    return true;
}

bool Ecrire(const QString& chemin, QStringView texte, QString& raison) {
    return EcritureFichier::Remplacer(chemin, EncoderTexte(texte), raison);
}

} // namespace FichierTexte
