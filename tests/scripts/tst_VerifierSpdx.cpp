// SPDX-License-Identifier: GPL-3.0-or-later
// The licence line of every source file: scripts/verifier-spdx puts it where each kind of file can
// carry it, once, and refuses what it cannot place, on a small project in a temporary folder.
#include "support/Script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Gpl = "SPDX-License-Identifier: GPL-3.0-or-later";

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() &&
           fichier.setPermissions(fichier.permissions() | QFile::ExeOwner);
}

// A project of one executable file in a temporary folder, and the script run on it.
struct ProjetDUnFichier {
    QTemporaryDir dossier;
    QString chemin;
    bool ecrit;

    ProjetDUnFichier(const QString& nom, const QByteArray& octets)
        : chemin(dossier.filePath(nom)), ecrit(Ecrire(chemin, octets)) {}

    ResultatScript Lancer(bool corriger) const {
        QStringList arguments;
        if (corriger) arguments << QStringLiteral("--corriger");
        return LancerScript(QStringLiteral(SCRIPT_SPDX), arguments << dossier.path());
    }

    QByteArray Contenu() const {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("(illisible)");
    }
};

} // namespace

class TestVerifierSpdx : public QObject {
    Q_OBJECT

  private slots:
    void chaqueGenreRecoitSaLigne_data();
    void chaqueGenreRecoitSaLigne();
    void ceQuiNeSePlacePasEstLaisse_data();
    void ceQuiNeSePlacePasEstLaisse();
};

void TestVerifierSpdx::chaqueGenreRecoitSaLigne_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    const QByteArray cpp = "// " + Gpl + "\n";
    const QByteArray diese = "# " + Gpl + "\n";
    QTest::newRow("C++ source") << "core/A.cpp" << QByteArray("// Why.\n#include <QFile>\n")
                                << cpp + "// Why.\n#include <QFile>\n";
    QTest::newRow("empty header") << "core/B.h" << QByteArray() << cpp;
    QTest::newRow("script after its shebang")
        << "scripts/outil" << QByteArray("#!/usr/bin/env bash\nset -e\n")
        << "#!/usr/bin/env bash\n" + diese + "set -e\n";
    QTest::newRow("shebang without a final newline")
        << "scripts/court" << QByteArray("#!/bin/sh") << "#!/bin/sh\n" + diese;
    QTest::newRow("CMake") << "apps/CMakeLists.txt" << QByteArray("add_executable(a a.cpp)\n")
                           << diese + "add_executable(a a.cpp)\n";
    QTest::newRow("desktop entry") << "data/x.desktop" << QByteArray("[Desktop Entry]\n")
                                   << diese + "[Desktop Entry]\n";
    QTest::newRow("manual page") << "data/man/x.1" << QByteArray(".TH X 1\n")
                                 << ".\\\" " + Gpl + "\n.TH X 1\n";
    QTest::newRow("linker script") << "program/Ordre.ld" << QByteArray("SECTIONS\n{\n}\n")
                                   << "/* " + Gpl + " */\nSECTIONS\n{\n}\n";
    QTest::newRow("HTML after its doctype") << "data/aide/A.html" << QByteArray("<!DOCTYPE html>\n<html>\n")
                                            << "<!DOCTYPE html>\n<!-- " + Gpl + " -->\n<html>\n";
    QTest::newRow("AppStream file after its declaration, under its own licence")
        << "data/a.metainfo.xml" << QByteArray("<?xml version=\"1.0\"?>\n<component/>\n")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- SPDX-License-Identifier: FSFAP -->\n<component/>\n");
    QTest::newRow("CR LF lines stay CR LF")
        << "core/C.cpp" << QByteArray("int a;\r\nint b;\r\n") << "// " + Gpl + "\r\nint a;\r\nint b;\r\n";
    QTest::newRow("already there") << "bench/x.sh"
                                   << "#!/bin/sh\n" + diese << "#!/bin/sh\n" + diese;
}

// Wrong before (unless already right), right after one correction, untouched by a second; the
// scripts stay executable.
void TestVerifierSpdx::chaqueGenreRecoitSaLigne() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, apres);
    const ProjetDUnFichier projet(nom, avant);
    QVERIFY(projet.ecrit);

    QCOMPARE(projet.Lancer(false).statut, avant == apres ? 0 : 1);
    const ResultatScript correction = projet.Lancer(true);
    QVERIFY2(correction.statut == 0, qPrintable(correction.messages));
    QCOMPARE(projet.Contenu(), apres);
    QCOMPARE(projet.Lancer(true).statut, 0);
    QCOMPARE(projet.Contenu(), apres);
    QCOMPARE(projet.Lancer(false).statut, 0);
    QVERIFY(QFileInfo(projet.chemin).isExecutable());
}

void TestVerifierSpdx::ceQuiNeSePlacePasEstLaisse_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("statut");
    // Refused, and left for a person to decide.
    QTest::newRow("unknown kind") << "data/image.png" << QByteArray("\x89PNG\r\n") << 1;
    QTest::newRow("another licence further down")
        << "core/E.cpp" << QByteArray("// Why.\n// SPDX-License-Identifier: MIT\n") << 1;
    QTest::newRow("the comment syntax of another kind") << "core/F.cpp"
                                                        << "# " + Gpl + "\n"
                                                        << 1;
    QTest::newRow("the code's licence on AppStream metadata")
        << "data/b.metainfo.xml"
        << "<?xml version=\"1.0\"?>\n<!-- " + Gpl + " -->\n"
        << 1;
    // Not source files: accepted as they are.
    QTest::newRow("documentation") << "docs/A.md" << QByteArray("# Title\n") << 0;
    QTest::newRow("fuzzing seed") << "fuzz/corpus/fuzz_LecteurRtf/a.rtf" << QByteArray("{\\rtf1 a}") << 0;
    QTest::newRow("packaging text") << "data/paquets/changelog" << QByteArray("carrelis (1.2-1)\n") << 0;
    QTest::newRow("build tree") << "build-san/core/G.cpp" << QByteArray("int a;\n") << 0;
}

void TestVerifierSpdx::ceQuiNeSePlacePasEstLaisse() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(int, statut);
    const ProjetDUnFichier projet(nom, contenu);
    QVERIFY(projet.ecrit);

    const ResultatScript verification = projet.Lancer(false);
    QCOMPARE(verification.statut, statut);
    if (statut != 0) QVERIFY2(verification.messages.contains(nom), qPrintable(verification.messages));
    QCOMPARE(projet.Lancer(true).statut, statut);
    QCOMPARE(projet.Contenu(), contenu);
}

QTEST_GUILESS_MAIN(TestVerifierSpdx)
#include "tst_VerifierSpdx.moc"
