// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CapturesVoiliers.h"

#include "sailboats/Couleurs.h"
#include "sailboats/GeometrieVoiliers.h"
#include "sailboats/VoilierEcran.h"
#include "sailboats/VoilierFeuille.h"
#include "sheets/DispositionFeuille.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr QRgb FondPanneau = qRgb(216, 208, 200);

QList<int> Permises(const ParCouleur<bool>& barrees) {
    QList<int> couleurs;
    for (int k = 1; k <= 16; ++k)
        if (!barrees[k]) couleurs << k;
    return couleurs;
}

bool Enregistrer(const QImage& image, const QDir& sortie, const QString& nom, int& total) {
    const QString fichier = sortie.filePath(QStringLiteral("navirelle_Voiliers_%1.png").arg(nom));
    if (!image.save(fichier)) {
        std::fprintf(stderr, "captures: cannot write %s\n", qPrintable(fichier));
        return false;
    }
    ++total;
    return true;
}

// One picture as an exercise window draws it: on its own 300 x 350 bitmap, at the control's size.
QImage Image(QSize taille, int marge, int coque, int voiles) {
    QImage bitmap(taille.expandedTo(QSize(300, 350)), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    VoilierEcran v(bitmap, taille, marge);
    v.EffacerImage(Argent);
    if (coque && voiles)
        v.DessinerVoilier(Couleurs[coque], Couleurs[voiles]);
    else if (voiles)
        v.DessinerVoiles(Couleurs[voiles]);
    else if (coque)
        v.DessinerCoque(Couleurs[coque]);
    else
        v.ContourVoilier();
    return bitmap.copy(QRect(QPoint(0, 0), taille));
}

// The table of every allowed hull (rows) by every allowed sail (columns) with their headers,
// laid out like the exercise panel, the outline alone in the corner.
QImage PlancheEcran(int hauteurEcran, int lignes) {
    const GeometrieVoiliers g = GeometrieVoiliers::Calculer(hauteurEcran, lignes, 7);
    const QList<int> coques = Permises(CoquesBarrees), voiles = Permises(VoilesBarrees);
    const QSize cellule(g.W, g.A);
    const int m = g.Marge;
    QImage planche(g.W * (voiles.size() + 1) + 2 * m, g.A * (coques.size() + 1) + 2 * m,
                   QImage::Format_RGB32);
    planche.fill(FondPanneau);
    QPainter p(&planche);
    auto placer = [&](int r, int c, int coque, int voile) {
        p.drawImage(QPoint(c * g.W + m, r * g.A + m), Image(cellule, m, coque, voile));
    };
    placer(0, 0, 0, 0);
    for (int c = 1; c <= voiles.size(); ++c)
        placer(0, c, 0, voiles[c - 1]);
    for (int r = 1; r <= coques.size(); ++r) {
        placer(r, 0, coques[r - 1], 0);
        for (int c = 1; c <= voiles.size(); ++c)
            placer(r, c, coques[r - 1], voiles[c - 1]);
    }
    return planche;
}

// Two rows of sheet cells, colour then black and white, one column per colour a boat can take
// and colour 1 (uncoloured) first, in a grid of cells 12u x 13u.
void DessinerFeuille(QPainter& p, int u) {
    QList<int> couleurs{SansCouleur};
    for (int k = 2; k <= 15; ++k)
        if (!CoquesBarrees[k] || !VoilesBarrees[k]) couleurs << k;
    const int e = DispositionFeuille::EpaisseurTrait(p.device()->logicalDpiY());
    for (int ligne = 0; ligne < 2; ++ligne) {
        VoilierFeuille dessin(p, u, ligne == 1);
        for (int i = 0; i < couleurs.size(); ++i) {
            const QPoint coin(u + i * 12 * u, u + ligne * 13 * u);
            dessin.VoileFeuille(coin, couleurs[i]);
            dessin.CoqueFeuille(coin, couleurs[i]);
            p.setPen(QPen(Qt::black, e));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(coin, QSize(12 * u, 13 * u)));
        }
    }
}

QSize TailleFeuille(int u) {
    return QSize(u * (2 + 12 * 12), u * (2 + 2 * 13));
}

QImage FeuilleImage(int dpi) {
    const int u = 8 * dpi / 96;
    QImage image(TailleFeuille(u), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    DessinerFeuille(p, u);
    return image;
}

// The same sheet printed to PDF at 600 dpi, and rendered back by pdftoppm when it is there.
bool FeuillePdf(const QDir& sortie, int& total) {
    const QString pdf = sortie.filePath(QStringLiteral("navirelle_Voiliers_feuille_600dpi.pdf"));
    const int u = 8 * 600 / 96;
    {
        QPdfWriter page(pdf);
        page.setResolution(600);
        page.setPageOrientation(QPageLayout::Landscape);
        page.setPageMargins(QMarginsF());
        QPainter p(&page);
        if (!p.isActive()) return false;
        DessinerFeuille(p, u);
    }
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return true;
    const QSize t = TailleFeuille(u);
    QProcess outil;
    outil.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-W"),
                           QString::number(t.width()), QStringLiteral("-H"), QString::number(t.height()),
                           QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                           sortie.filePath(QStringLiteral("navirelle_Voiliers_feuille_pdf_600dpi"))});
    if (!outil.waitForFinished(60000) || outil.exitCode() != 0) return false;
    ++total;
    return true;
}

} // namespace

bool CapturerVoiliers(const QDir& sortie, int& total) {
    struct Planche {
        int ecran, lignes;
    };
    // The smallest cells (5 rows on 600 pixels), the usual ones, and the largest (2 rows on 1440).
    for (Planche planche : {Planche{600, 5}, Planche{768, 5}, Planche{1080, 3}, Planche{1440, 2}}) {
        const QString nom = QStringLiteral("ecran_%1_%2lignes").arg(planche.ecran).arg(planche.lignes);
        if (!Enregistrer(PlancheEcran(planche.ecran, planche.lignes), sortie, nom, total)) return false;
    }
    QImage entier = Image(QSize(300, 350), 5, 8, 10);
    if (!Enregistrer(entier, sortie, QStringLiteral("ecran_300x350"), total)) return false;
    for (int dpi : {96, 600})
        if (!Enregistrer(FeuilleImage(dpi), sortie, QStringLiteral("feuille_%1dpi").arg(dpi), total))
            return false;
    return FeuillePdf(sortie, total);
}
