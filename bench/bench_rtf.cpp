// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a formatted text of about 100 pages, in rich text and in plain text: the
// editor does both at once when the teacher opens or saves, so they must stay well under a second.
#include "Bancs.h"
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"
#include "editor/TexteBrut.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr int Pages = 100;
constexpr int ParagraphesParPage = 8;
constexpr int PhrasesParParagraphe = 6;

// Every sentence changes format once: bold, italic, a colour, a size, an accent or a euro sign,
// so that the text has as many runs as a teacher's worksheet, and more.
void Remplir(QTextDocument& document) {
    QTextCursor curseur(&document);
    int n = 0;
    for (int p = 0; p < Pages * ParagraphesParPage; ++p) {
        QTextBlockFormat bloc;
        bloc.setAlignment(p % 5 == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
        bloc.setLeftMargin(p % 3 * 20);
        if (p > 0) curseur.insertBlock(bloc);
        for (int s = 0; s < PhrasesParParagraphe; ++s, ++n) {
            QTextCharFormat format;
            format.setFontWeight(n % 4 == 0 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(n % 7 == 0);
            format.setFontPointSize(10 + n % 5 * 2);
            if (n % 3 == 0) format.setForeground(QColor(n % 256, 40, 90));
            curseur.insertText(
                QStringLiteral("Les élèves complètent la table n° %1, puis ils comparent leurs "
                               "réponses\tà celles du voisin : 5 € ")
                    .arg(n),
                format);
        }
    }
}

void BM_EcrireRtf(benchmark::State& etat) {
    QTextDocument document;
    Remplir(document);
    qsizetype taille = 0;
    for (auto _ : etat) {
        const QByteArray rtf = EcrivainRtf::Ecrire(document);
        taille = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    etat.counters["octets"] = static_cast<double>(taille);
}

void BM_LireRtf(benchmark::State& etat) {
    QTextDocument source;
    Remplir(source);
    const QByteArray rtf = EcrivainRtf::Ecrire(source);
    for (auto _ : etat) {
        QTextDocument document;
        LecteurRtf::Lire(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    etat.counters["octets"] = static_cast<double>(rtf.size());
}

void BM_EcrireTexteBrut(benchmark::State& etat) {
    QTextDocument document;
    Remplir(document);
    for (auto _ : etat) {
        const QByteArray octets =
            TexteBrut::Encoder(TexteBrut::Lignes(document), TexteBrut::Codage::Windows1252);
        benchmark::DoNotOptimize(octets.constData());
    }
}

void BM_LireTexteBrut(benchmark::State& etat) {
    QTextDocument source;
    Remplir(source);
    const QByteArray octets = TexteBrut::Encoder(TexteBrut::Lignes(source), TexteBrut::Codage::Windows1252);
    for (auto _ : etat) {
        QTextDocument document;
        TexteBrut::Remplir(document, TexteBrut::Decoder(octets).lignes);
        benchmark::DoNotOptimize(document.characterCount());
    }
    etat.counters["octets"] = static_cast<double>(octets.size());
}

} // namespace

BENCHMARK(BM_EcrireRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EcrireTexteBrut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireTexteBrut)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return Bancs::Lancer<QCoreApplication>(argc, argv);
}
