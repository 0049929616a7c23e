// SPDX-License-Identifier: GPL-3.0-or-later
// A classroom whose computers share one program folder: eight processes save 200 games each at
// the same moment; every entry must arrive whole, once, and the individual file that they all
// create together must carry its header once.
#include "core/FichierTexte.h"
#include "results/PosteDeClasse.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>
#include <vector>

class TestAjoutsSimultanes : public QObject {
    Q_OBJECT

  private slots:
    void huitPostesEnMemeTempsNePerdentRien();

  private:
    void VerifierBilanGeneral(const QByteArray& octets);
    void VerifierBilanIndividuel(const QByteArray& octets);
    // The expected entries, by computer and game.
    std::map<std::pair<int, int>, QByteArray> Attendues(bool individuel) const;
};

std::map<std::pair<int, int>, QByteArray> TestAjoutsSimultanes::Attendues(bool individuel) const {
    PlateFormeTest plate;
    plate.maintenant = PosteDeClasse::Horloge();
    Programme prog(ProfilNavirelle(), plate);
    std::map<std::pair<int, int>, QByteArray> entrees;
    for (int poste = 0; poste < PosteDeClasse::Postes; ++poste)
        for (int partie = 0;
             partie < (individuel ? PosteDeClasse::PartiesIndividuelles : PosteDeClasse::Parties); ++partie) {
            Bilan bilan = PosteDeClasse::BilanDe(prog, poste, partie);
            bilan.NomEleve = individuel ? PosteDeClasse::EleveCommun : bilan.NomEleve;
            entrees[{poste, partie}] = FichierTexte::EncoderLignes(
                individuel ? bilan.EntreeIndividuelle(false) : bilan.EntreeGenerale());
        }
    return entrees;
}

// Entries follow one another whole: each one is some computer's next game.
void TestAjoutsSimultanes::VerifierBilanGeneral(const QByteArray& octets) {
    const auto attendues = Attendues(false);
    std::vector<int> prochaine(PosteDeClasse::Postes, 0);
    qsizetype position = 0;
    int entrees = 0;
    while (position < octets.size()) {
        // The name line tells whose entry begins here.
        const qsizetype finNom = octets.indexOf("\r\n", position + 2);
        QVERIFY(finNom > 0);
        const QString nom =
            FichierTexte::DecoderLignes(octets.mid(position + 2, finNom - position - 2)).value(0);
        const QStringList numeros = nom.mid(QStringLiteral("Élève ").size()).split(QLatin1Char('-'));
        QCOMPARE(numeros.size(), 2);
        const int poste = numeros[0].toInt(), partie = numeros[1].toInt();
        QVERIFY2(poste >= 0 && poste < PosteDeClasse::Postes, qPrintable(nom));
        QCOMPARE(partie, prochaine[poste]); // each computer's games in its own order, none twice
        const QByteArray& entree = attendues.at({poste, partie});
        QCOMPARE(octets.mid(position, entree.size()), entree);
        position += entree.size();
        ++prochaine[poste];
        ++entrees;
    }
    QCOMPARE(entrees, PosteDeClasse::Postes * PosteDeClasse::Parties);
}

// The header once, at the top; then every game once, whole: ten lines each.
void TestAjoutsSimultanes::VerifierBilanIndividuel(const QByteArray& octets) {
    const QByteArray enTete = FichierTexte::EncoderLignes({QString(), PosteDeClasse::EleveCommun});
    QVERIFY(octets.startsWith(enTete));
    const QByteArray suite = octets.sliced(enTete.size());
    QVERIFY(!suite.contains(enTete));
    QMultiHash<QByteArray, int> restantes;
    qsizetype taille = 0;
    for (const auto& [cle, entree] : Attendues(true)) {
        restantes.insert(entree, cle.first);
        taille += entree.size();
    }
    QCOMPARE(suite.size(), taille);
    const QStringList lignes = FichierTexte::DecoderLignes(suite);
    QCOMPARE(lignes.size(), 10 * PosteDeClasse::Postes * PosteDeClasse::PartiesIndividuelles);
    for (qsizetype debut = 0; debut < lignes.size(); debut += 10) {
        const QByteArray entree = FichierTexte::EncoderLignes(lignes.mid(debut, 10));
        QVERIFY2(restantes.remove(entree) == 1, entree.constData());
    }
    QVERIFY(restantes.isEmpty());
}

void TestAjoutsSimultanes::huitPostesEnMemeTempsNePerdentRien() {
    QTemporaryDir dossier;
    std::vector<std::unique_ptr<QProcess>> postes;
    for (int poste = 0; poste < PosteDeClasse::Postes; ++poste) {
        auto processus = std::make_unique<QProcess>();
        processus->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processus->start(QStringLiteral(AJOUTEUR_BILANS),
                         {dossier.path(), QString::number(poste), QString::number(PosteDeClasse::Parties)});
        postes.push_back(std::move(processus));
    }
    for (auto& processus : postes) {
        QVERIFY(processus->waitForFinished(120000));
        QCOMPARE(processus->exitStatus(), QProcess::NormalExit);
        QCOMPARE(processus->exitCode(), 0);
    }
    QFile general(dossier.filePath(QStringLiteral("bilan navirelle.txt")));
    QVERIFY(general.open(QIODevice::ReadOnly));
    VerifierBilanGeneral(general.readAll());
    QFile individuel(dossier.filePath(QStringLiteral("Bilan individuel Paul.txt")));
    QVERIFY(individuel.open(QIODevice::ReadOnly));
    VerifierBilanIndividuel(individuel.readAll());
    // No lock left behind.
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_GUILESS_MAIN(TestAjoutsSimultanes)
#include "tst_AjoutsSimultanes.moc"
