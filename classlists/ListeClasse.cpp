// SPDX-License-Identifier: GPL-3.0-or-later
#include "classlists/ListeClasse.h"

#include "core/AccesFichier.h"
#include "core/EcritureFichier.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QCollator>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

// French rules, whatever the machine's locale; differences of case only are ignored.
const QCollator& Collation() {
    static const QCollator collation = [] {
        QCollator c(QLocale(QLocale::French, QLocale::France));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collation;
}

QByteArray Enregistrement(const QString& nom) {
    QByteArray octets(ListeClasse::TailleEnregistrement, '\0');
    const QByteArray code = Windows1252::Encoder(nom).left(ListeClasse::LongueurNom);
    octets[0] = static_cast<char>(code.size());
    octets.replace(1, code.size(), code);
    return octets;
}

} // namespace

namespace ListeClasse {

QByteArray Octets(const QStringList& eleves) {
    QByteArray octets;
    octets.reserve(eleves.size() * TailleEnregistrement);
    for (const QString& nom : eleves)
        octets += Enregistrement(nom);
    return octets;
}

// A length byte of 255 fits the record exactly: no length can read past it.
Contenu Lire(QByteArrayView octets) {
    Contenu contenu;
    contenu.NbEnregistrements = static_cast<int>(octets.size() / TailleEnregistrement);
    const int lus = std::min(contenu.NbEnregistrements, MaxEleves);
    for (int i = 0; i < lus; ++i) {
        const QByteArrayView enregistrement =
            octets.sliced(qsizetype(i) * TailleEnregistrement, TailleEnregistrement);
        const auto longueur = static_cast<quint8>(enregistrement.at(0));
        contenu.Eleves.append(Windows1252::Decoder(enregistrement.sliced(1, longueur)));
    }
    return contenu;
}

bool Charger(const QString& chemin, Contenu& contenu, QString& raison) {
    QFile fichier;
    if (!AccesFichier::OuvrirEnLecture(fichier, chemin, raison)) return false;
    const QByteArray octets = fichier.read(qint64(MaxEleves) * TailleEnregistrement);
    if (fichier.error() != QFileDevice::NoError) {
        raison = RaisonFichier::Lecture(fichier, chemin);
        return false;
    }
    contenu = Lire(octets);
    contenu.NbEnregistrements = static_cast<int>(std::max<qint64>(fichier.size() / TailleEnregistrement, 0));
    return true;
}

bool Enregistrer(const QString& chemin, const QStringList& eleves, QString& raison) {
    return EcritureFichier::Remplacer(chemin, Octets(eleves), raison);
}

bool AvantEnFrancais(QStringView a, QStringView b) {
    return Collation().compare(a, b) < 0;
}

QStringList Trier(QStringList eleves) {
    std::stable_sort(eleves.begin(), eleves.end(),
                     [](const QString& a, const QString& b) { return AvantEnFrancais(a, b); });
    return eleves;
}

qsizetype PlaceTriee(const QStringList& eleves, QStringView nom) {
    const auto place =
        std::upper_bound(eleves.begin(), eleves.end(), nom,
                         [](QStringView n, const QString& e) { return AvantEnFrancais(n, e); });
    return place - eleves.begin();
}

// Sorted on the class names: "CM1.elv" sorts after "CM1 B.elv", since a full stop comes after a
// blank, when the class CM1 comes before the class CM1 B.
QStringList ListerClasses(const QString& dossier) {
    QStringList classes =
        QDir(dossier).entryList({QStringLiteral("*.elv")}, QDir::Files | QDir::Readable, QDir::NoSort);
    std::stable_sort(classes.begin(), classes.end(), [](const QString& a, const QString& b) {
        return AvantEnFrancais(QStringView(a).chopped(4), QStringView(b).chopped(4));
    });
    return classes;
}

} // namespace ListeClasse
