// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the five bitmaps delivered beside carrelis and navirelle, and the icons of both programs.
// They are made at build time from this code, so the repository holds no binary art and a picture
// is changed by changing a few lines.
//
// Usage: generer_images <output folder> [--apercu]
// --apercu also writes each picture as PNG and an 800 x 600 mosaic of it, tiled from the top-left
// corner as the programs tile it, to check by eye that a tile joins itself and stays quiet.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

using Motif = std::function<void(QPainter&)>;

// A motif that crosses an edge of a tile must come back on the opposite edge, or the mosaic shows
// a seam: drawing it at its place and at its eight shifted copies keeps the tile periodic.
void dessinerPeriodique(QPainter& p, QSize tuile, const Motif& motif) {
    for (int dy : {-tuile.height(), 0, tuile.height()})
        for (int dx : {-tuile.width(), 0, tuile.width()}) {
            p.save();
            p.translate(dx, dy);
            motif(p);
            p.restore();
        }
}

QImage nouvelleImage(int largeur, int hauteur, QColor fond) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(fond);
    return image;
}

void preparer(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont police(const char* famille, int pixels, bool gras) {
    QFont f(QString::fromLatin1(famille));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// Centres the text on a point with the font's real ink box, so that digits and signs of various
// widths sit in the middle of their place.
void texteCentre(QPainter& p, QPointF centre, const QString& texte) {
    QPainterPath chemin;
    chemin.addText(0, 0, p.font(), texte);
    const QRectF encre = chemin.boundingRect();
    const QColor couleur = p.pen().color();
    p.save();
    p.translate(centre - encre.center());
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPath(chemin);
    p.restore();
}

// A row of small scallops, the way children draw the sea. The period must divide the tile width
// for the row to join itself.
void vagues(QPainter& p, qreal y, qreal debut, qreal fin, qreal periode, QColor couleur, qreal epaisseur) {
    p.save();
    p.setPen(QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal x = debut; x < fin; x += periode) {
        QPainterPath arc;
        arc.moveTo(x, y);
        arc.quadTo(x + periode / 4, y - periode / 4, x + periode / 2, y);
        p.drawPath(arc);
    }
    p.restore();
}

struct CouleursVoilier {
    QColor coque, grandVoile, foc, trait, fanion;
};

// A picture as a list of filled and outlined paths, so that one drawing gives both the bitmaps
// and the SVG icon.
struct Forme {
    QPainterPath chemin;
    QColor fond;  // invalid: not filled
    QColor trait; // invalid: no outline
    qreal epaisseur = 0;
};
using Dessin = std::vector<Forme>;

void dessiner(QPainter& p, const Dessin& dessin) {
    for (const Forme& f : dessin) {
        p.setPen(f.trait.isValid() ? QPen(f.trait, f.epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                   : QPen(Qt::NoPen));
        p.setBrush(f.fond.isValid() ? QBrush(f.fond) : QBrush(Qt::NoBrush));
        p.drawPath(f.chemin);
    }
}

// A little sailboat: a rounded hull, a mast, a mainsail towards the stern, a jib towards the
// bow and a pennant. `pied` is the middle of the deck line, `u` about half the hull length.
Dessin formesVoilier(QPointF pied, qreal u, const CouleursVoilier& c) {
    const qreal epaisseur = std::max<qreal>(1.0, u / 9);
    QPainterPath grandVoile;
    grandVoile.moveTo(-0.1 * u, -1.85 * u);
    grandVoile.quadTo(-0.55 * u, -0.9 * u, -1.0 * u, -0.22 * u);
    grandVoile.lineTo(-0.1 * u, -0.22 * u);
    grandVoile.closeSubpath();

    QPainterPath foc;
    foc.moveTo(0.08 * u, -1.7 * u);
    foc.quadTo(0.65 * u, -0.85 * u, 0.95 * u, -0.25 * u);
    foc.lineTo(0.08 * u, -0.25 * u);
    foc.closeSubpath();

    QPainterPath mat;
    mat.moveTo(0, -0.05 * u);
    mat.lineTo(0, -2.05 * u);
    QPainterPath fanion;
    fanion.addPolygon(QPolygonF{QPointF(0, -2.05 * u), QPointF(0.45 * u, -1.93 * u), QPointF(0, -1.8 * u)});
    fanion.closeSubpath();

    QPainterPath coque;
    coque.moveTo(-1.15 * u, -0.08 * u);
    coque.lineTo(1.25 * u, -0.14 * u);
    coque.cubicTo(1.0 * u, 0.3 * u, 0.65 * u, 0.45 * u, 0.15 * u, 0.45 * u);
    coque.lineTo(-0.7 * u, 0.45 * u);
    coque.cubicTo(-0.95 * u, 0.4 * u, -1.08 * u, 0.2 * u, -1.15 * u, -0.08 * u);

    const QTransform place = QTransform::fromTranslate(pied.x(), pied.y());
    Dessin dessin;
    for (const auto& [chemin, fond] :
         {std::pair{grandVoile, c.grandVoile}, std::pair{foc, c.foc}, std::pair{mat, QColor()},
          std::pair{fanion, c.fanion}, std::pair{coque, c.coque}})
        dessin.push_back({place.map(chemin), fond, c.trait, epaisseur});
    return dessin;
}

void voilier(QPainter& p, QPointF pied, qreal u, const CouleursVoilier& c) {
    dessiner(p, formesVoilier(pied, u, c));
}

// ---------------------------------------------------------------------------------------------
// Fond4.bmp: behind the exercise pages and the results window. Pale ruled paper, like a French
// exercise book, so the pages feel like school work while black text and coloured cells stay clear.

QImage fondExercices() {
    const int cote = 64;
    QImage image = nouvelleImage(cote, cote, QColor(253, 251, 245));
    QPainter p(&image);
    const QColor fine(234, 239, 247), forte(214, 224, 240);
    for (int y = 0; y < cote; y += 8)
        p.fillRect(0, y, cote, 1, y % 32 == 0 ? forte : fine);
    for (int x = 0; x < cote; x += 32)
        p.fillRect(x, 0, 1, cote, forte);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Carrelis_Titre.bmp: the main-menu mosaic of carrelis. Soft squares with a few pastel digits and
// signs, scattered so that the repetition of the tile does not jump to the eye.

QImage mosaiqueCarrelis() {
    const int cases = 6, pas = 36, cote = cases * pas;
    QImage image = nouvelleImage(cote, cote, QColor(234, 243, 255));
    QPainter p(&image);
    preparer(p);
    const QColor grille(215, 230, 248);
    for (int k = 0; k < cote; k += pas) {
        p.fillRect(k, 0, 2, cote, grille);
        p.fillRect(0, k, cote, 2, grille);
    }

    // Every other square holds a sign; glyphs, colours and tilts follow cycles of different
    // lengths, so that neighbouring tiles do not line up the same sign in rows or columns.
    const std::vector<QColor> couleurs = {QColor(241, 163, 184), QColor(139, 205, 150), QColor(246, 190, 120),
                                          QColor(180, 162, 232), QColor(129, 178, 234)};
    const QStringList signes = {QStringLiteral("3"), QStringLiteral("+"), QStringLiteral("7"),
                                QStringLiteral("="), QStringLiteral("0"), QStringLiteral("×"),
                                QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("×"),
                                QStringLiteral("2"), QStringLiteral("+"), QStringLiteral("6"),
                                QStringLiteral("+"), QStringLiteral("1"), QStringLiteral("8"),
                                QStringLiteral("×"), QStringLiteral("4"), QStringLiteral("10")};
    const qreal inclinaisons[] = {-8, 5, 0, 9, -5, 3, -10};
    p.setFont(police("Arial", 22, true));
    int n = 0;
    for (int ligne = 0; ligne < cases; ++ligne)
        for (int colonne = ligne % 2; colonne < cases; colonne += 2, ++n) {
            p.save();
            p.translate(colonne * pas + pas / 2.0 + 1, ligne * pas + pas / 2.0 + 1);
            p.rotate(inclinaisons[n % 7]);
            p.setPen(couleurs[(n * 2 + ligne) % couleurs.size()]);
            texteCentre(p, QPointF(0, 0), signes.at(n));
            p.restore();
        }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Navirelle_Titre.bmp: the main-menu mosaic of navirelle. A pale sea with rows of small waves and a
// few small sailboats in soft colours.

QImage mosaiqueNavirelle() {
    const int largeur = 192, hauteur = 144;
    QImage image = nouvelleImage(largeur, hauteur, QColor(221, 241, 251));
    QPainter p(&image);
    preparer(p);
    const QSize tuile(largeur, hauteur);
    const QColor vague(185, 221, 242);
    dessinerPeriodique(p, tuile, [&](QPainter& q) {
        for (int rang = 0; rang < 4; ++rang)
            vagues(q, 18 + rang * 36, rang % 2 ? 12 : 0, largeur, 24, vague, 2);
    });

    const QColor trait(120, 150, 185);
    // One boat on each row of waves, at irregular steps across, so no diagonal lines up.
    const std::vector<std::pair<QPointF, CouleursVoilier>> bateaux = {
        {{130, 14},
         {QColor(196, 180, 236), QColor(255, 255, 255), QColor(255, 222, 230), trait, QColor(139, 205, 150)}},
        {{34, 50},
         {QColor(242, 160, 145), QColor(255, 255, 255), QColor(255, 236, 180), trait, QColor(242, 160, 145)}},
        {{154, 86},
         {QColor(246, 210, 120), QColor(255, 222, 230), QColor(255, 255, 255), trait, QColor(150, 200, 150)}},
        {{82, 122},
         {QColor(140, 200, 205), QColor(255, 255, 255), QColor(225, 215, 250), trait, QColor(246, 190, 120)}},
    };
    dessinerPeriodique(p, tuile, [&](QPainter& q) {
        for (const auto& [pied, couleurs] : bateaux)
            voilier(q, pied, 13, couleurs);
    });
    return image;
}

// ---------------------------------------------------------------------------------------------
// The title pictures of the about windows are tiled too, so each is a small card on a quiet
// ground: repeated, the cards read as a deliberate pattern rather than a broken picture.

QRectF carte(QPainter& p, QSize taille, QColor fond, QColor bord) {
    const QRectF r(4.5, 4.5, taille.width() - 9, taille.height() - 9);
    p.setPen(QPen(bord, 1.5));
    p.setBrush(fond);
    p.drawRoundedRect(r, 10, 10);
    return r;
}

// Carrelis.bmp: the name in bright letters, one per coloured square, over a tiny addition table
// whose last cell waits for the pupil's answer.
QImage titreCarrelis() {
    const QSize taille(200, 120);
    QImage image = nouvelleImage(taille.width(), taille.height(), QColor(244, 247, 252));
    QPainter p(&image);
    preparer(p);
    carte(p, taille, QColor(255, 250, 234), QColor(205, 214, 232));

    const QString nom = QStringLiteral("Carrelis");
    const std::vector<QColor> teintes = {QColor(231, 84, 76),  QColor(242, 150, 40), QColor(226, 182, 20),
                                         QColor(84, 170, 84),  QColor(38, 160, 178), QColor(66, 112, 206),
                                         QColor(142, 92, 196), QColor(222, 88, 150)};
    const qreal cote = 20, ecart = 2.5;
    const qreal x0 = (taille.width() - (nom.size() * cote + (nom.size() - 1) * ecart)) / 2;
    p.setFont(police("Arial", 16, true));
    for (int i = 0; i < nom.size(); ++i) {
        const QRectF r(x0 + i * (cote + ecart), 13 + (i % 2 ? 3 : 0), cote, cote);
        p.setPen(Qt::NoPen);
        p.setBrush(teintes[i].darker(125));
        p.drawRoundedRect(r.translated(0, 1.5), 4, 4);
        p.setBrush(teintes[i]);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(Qt::white);
        texteCentre(p, r.center(), nom.mid(i, 1));
    }

    // Corner sign, column headers 1 2 3, row headers 2 4, as on the exercise pages.
    const qreal c = 16, tx = (taille.width() - 4 * c) / 2, ty = 50;
    const int colonnes[] = {1, 2, 3}, lignes[] = {2, 4};
    const QColor entete(96, 140, 226), caseVide(250, 250, 250), grille(150, 160, 185);
    p.setFont(police("Arial", 11, true));
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) {
            const QRectF cellule(tx + k * c, ty + r * c, c, c);
            const bool estEntete = (r == 0) != (k == 0);
            const bool attendue = r == 2 && k == 3;
            p.setPen(QPen(grille, 1));
            p.setBrush(estEntete ? entete : attendue ? QColor(255, 226, 160) : caseVide);
            p.drawRect(cellule);
            QString texte;
            QColor encre(40, 40, 40);
            if (r == 0 && k == 0) {
                texte = QStringLiteral("+");
            } else if (r == 0) {
                texte = QString::number(colonnes[k - 1]);
                encre = Qt::white;
            } else if (k == 0) {
                texte = QString::number(lignes[r - 1]);
                encre = Qt::white;
            } else if (attendue) {
                texte = QStringLiteral("?");
                encre = QColor(210, 110, 20);
            } else {
                texte = QString::number(colonnes[k - 1] + lignes[r - 1]);
                encre = QColor(0, 128, 0);
            }
            p.setPen(encre);
            texteCentre(p, cellule.center(), texte);
        }

    p.setFont(police("Arial", 26, true));
    p.setPen(QColor(246, 170, 90));
    texteCentre(p, QPointF(tx - 30, ty + 1.5 * c), QStringLiteral("+"));
    p.setPen(QColor(120, 190, 120));
    texteCentre(p, QPointF(tx + 4 * c + 30, ty + 1.5 * c), QStringLiteral("×"));
    return image;
}

// Navirelle.bmp: the name dancing on a wave above the sea, with one small sailboat.
QImage titreNavirelle() {
    const QSize taille(200, 120);
    QImage image = nouvelleImage(taille.width(), taille.height(), QColor(244, 247, 252));
    QPainter p(&image);
    preparer(p);
    const QRectF r = carte(p, taille, QColor(236, 246, 255), QColor(190, 210, 232));

    const qreal mer = 82;
    QPainterPath eau;
    eau.addRoundedRect(r, 10, 10);
    QPainterPath ciel;
    ciel.addRect(QRectF(0, 0, taille.width(), mer));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 229, 246));
    p.drawPath(eau.subtracted(ciel));
    p.save();
    p.setClipPath(eau);
    vagues(p, mer + 10, r.left() + 2, r.right(), 20, QColor(160, 208, 236), 1.6);
    vagues(p, mer + 22, r.left() + 12, r.right(), 20, QColor(160, 208, 236), 1.6);
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QRectF& bulle : {QRectF(150, 18, 22, 14), QRectF(162, 12, 20, 18), QRectF(174, 19, 16, 12)})
        p.drawEllipse(bulle);

    const QString nom = QStringLiteral("Navirelle");
    const std::vector<QColor> teintes = {QColor(30, 80, 160), QColor(232, 96, 80), QColor(20, 150, 160),
                                         QColor(240, 150, 40)};
    p.setFont(police("Arial", 29, true));
    const QFontMetricsF mesure(p.font());
    // Centred in the room the boat leaves on the left.
    const qreal bateau = 150;
    qreal x = r.left() + (bateau - r.left() - mesure.horizontalAdvance(nom) - nom.size() * 0.5) / 2;
    for (int i = 0; i < nom.size(); ++i) {
        const QString lettre = nom.mid(i, 1);
        const qreal y = 54 + 4 * std::sin(i * std::numbers::pi / 2.5);
        QPainterPath chemin;
        chemin.addText(x, y, p.font(), lettre);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chemin);
        p.setPen(Qt::NoPen);
        p.setBrush(teintes[i % teintes.size()]);
        p.drawPath(chemin);
        x += mesure.horizontalAdvance(lettre) + 0.5;
    }

    voilier(
        p, QPointF(172, mer + 2), 15,
        {QColor(232, 96, 80), Qt::white, QColor(255, 232, 160), QColor(40, 70, 120), QColor(20, 150, 160)});
    return image;
}

// ---------------------------------------------------------------------------------------------
// The icons of the desktop's menu, drawn on a 256-unit square: bitmaps at the usual sizes and one
// SVG. Below 48 pixels the digits would be a blur, so the small icons keep only the coloured
// cells and the boat without its waves.

constexpr qreal CoteIcone = 256;

Forme plaque(QColor fond, QColor bord) {
    QPainterPath chemin;
    chemin.addRoundedRect(QRectF(12, 12, CoteIcone - 24, CoteIcone - 24), 44, 44);
    return {chemin, fond, bord, 8};
}

// A text as a filled outline, centred on its ink: the SVG then needs no font.
Forme texteForme(QPointF centre, const QString& texte, int pixels, QColor couleur) {
    QPainterPath chemin;
    chemin.addText(0, 0, police("Arial", pixels, true), texte);
    chemin.translate(centre - chemin.boundingRect().center());
    return {chemin, couleur, QColor(), 0};
}

// A small multiplication table: the corner sign, two column and two row headers, three products
// and the cell the pupil has to find.
Dessin iconeCarrelis(bool details) {
    Dessin dessin{plaque(QColor(255, 250, 234), QColor(96, 140, 226))};
    const QColor orange(242, 150, 40), bleu(66, 112, 206), vert(0, 128, 0), grille(150, 160, 185);
    const int colonnes[] = {2, 3}, lignes[] = {4, 5};
    const qreal pas = 60, cote = 54, origine = (CoteIcone - 3 * pas + (pas - cote)) / 2;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            const QRectF cellule(origine + k * pas, origine + r * pas, cote, cote);
            QPainterPath chemin;
            chemin.addRoundedRect(cellule, 9, 9);
            const bool coin = r == 0 && k == 0, entete = (r == 0) != (k == 0), cherchee = r == 2 && k == 2;
            const QColor fond = coin ? orange : entete ? bleu : cherchee ? QColor(255, 226, 160) : Qt::white;
            dessin.push_back({chemin, fond, entete || coin ? fond.darker(115) : grille, 3});
            if (!details) continue;
            const QString texte = coin       ? QStringLiteral("×")
                                  : r == 0   ? QString::number(colonnes[k - 1])
                                  : k == 0   ? QString::number(lignes[r - 1])
                                  : cherchee ? QStringLiteral("?")
                                             : QString::number(colonnes[k - 1] * lignes[r - 1]);
            const QColor encre = coin || entete ? QColor(Qt::white) : cherchee ? QColor(200, 100, 10) : vert;
            dessin.push_back(texteForme(cellule.center(), texte, texte.size() > 1 ? 34 : 40, encre));
        }
    return dessin;
}

// A sailboat on the sea under a pale sky.
Dessin iconeNavirelle(bool details) {
    const Forme ciel = plaque(QColor(221, 241, 251), QColor(38, 120, 178));
    Dessin dessin{ciel};
    const qreal niveau = 168;
    QPainterPath haut;
    haut.addRect(QRectF(0, 0, CoteIcone, niveau));
    QPainterPath interieur;
    interieur.addRoundedRect(QRectF(16, 16, CoteIcone - 32, CoteIcone - 32), 40, 40);
    dessin.push_back({interieur.subtracted(haut), QColor(120, 190, 230), QColor(), 0});
    if (details)
        for (int rang = 0; rang < 2; ++rang) {
            QPainterPath vague;
            for (qreal x = 34 + rang * 18; x + 36 < CoteIcone - 24; x += 36) {
                vague.moveTo(x, niveau + 26 + rang * 24);
                vague.quadTo(x + 9, niveau + 17 + rang * 24, x + 18, niveau + 26 + rang * 24);
            }
            dessin.push_back({vague, QColor(), QColor(225, 243, 252), 4});
        }
    const Dessin bateau = formesVoilier(
        QPointF(124, niveau + 4), 60,
        {QColor(232, 96, 80), Qt::white, QColor(255, 222, 120), QColor(40, 70, 120), QColor(20, 150, 160)});
    dessin.insert(dessin.end(), bateau.begin(), bateau.end());
    dessin.push_back({ciel.chemin, QColor(), ciel.trait, ciel.epaisseur}); // the rim over the sea
    return dessin;
}

QImage iconeBitmap(const Dessin& dessin, int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    preparer(p);
    p.scale(taille / CoteIcone, taille / CoteIcone);
    dessiner(p, dessin);
    return image;
}

QString nombreSvg(qreal v) {
    QString texte = QString::number(v, 'f', 2);
    while (texte.contains(QLatin1Char('.')) &&
           (texte.endsWith(QLatin1Char('0')) || texte.endsWith(QLatin1Char('.'))))
        texte.chop(1);
    return texte == QLatin1String("-0") ? QStringLiteral("0") : texte;
}

QString cheminSvg(const QPainterPath& chemin) {
    QString d;
    for (int i = 0; i < chemin.elementCount(); ++i) {
        const QPainterPath::Element e = chemin.elementAt(i);
        const QString point = nombreSvg(e.x) + QLatin1Char(' ') + nombreSvg(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QStringLiteral("M") + point;
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            d += QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            d += QLatin1Char(' ') + point;
            break;
        }
    }
    return d;
}

QByteArray iconeSvg(const Dessin& dessin, const QString& titre) {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n<title>%1</title>\n")
                      .arg(titre);
    for (const Forme& f : dessin) {
        svg += QStringLiteral("<path d=\"%1\" fill=\"%2\" fill-rule=\"%3\"")
                   .arg(cheminSvg(f.chemin), f.fond.isValid() ? f.fond.name() : QStringLiteral("none"),
                        f.chemin.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                               : QStringLiteral("evenodd"));
        if (f.trait.isValid())
            svg += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                                  "stroke-linejoin=\"round\"")
                       .arg(f.trait.name(), nombreSvg(f.epaisseur));
        svg += QStringLiteral("/>\n");
    }
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

// The sizes of the window icon compiled into each program, those a desktop shows beside a
// window's caption, in its task bar and in its window switcher.
constexpr int TaillesIconeFenetre[] = {16, 32, 48, 64};

// icones/<program>.cpp: the pictures of the window icon as C++ arrays (premultiplied ARGB words,
// row after row), so that the program shows its icon without reading or decoding a file.
bool ecrireSourceIcone(const QString& chemin, const QString& titre, const std::vector<QImage>& images) {
    QString source =
        QStringLiteral("// SPDX-License-Identifier: GPL-3.0-or-later\n"
                       "// Written by data/generer_images: the window icon of %1, the pictures of its\n"
                       "// desktop icons.\n#include \"core/ProfilProgramme.h\"\n\nnamespace {\n")
            .arg(titre);
    QString liste;
    for (const QImage& image : images) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        source += QStringLiteral("\nconst quint32 Pixels%1[] = {").arg(argb.width());
        for (int y = 0; y < argb.height(); ++y) {
            const auto* ligne = reinterpret_cast<const quint32*>(argb.constScanLine(y));
            source += QStringLiteral("\n   ");
            for (int x = 0; x < argb.width(); ++x)
                source += QStringLiteral(" 0x%1u,").arg(ligne[x], 8, 16, QLatin1Char('0'));
        }
        source += QStringLiteral("\n};\n");
        liste += QStringLiteral("{%1, Pixels%1}, ").arg(argb.width());
    }
    liste.chop(2);
    source += QStringLiteral("\n} // namespace\n\nQList<PixelsIcone> Icone%1() {\n    return {%2};\n}\n")
                  .arg(titre, liste);
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(source.toUtf8()) == source.toUtf8().size() &&
           fichier.flush();
}

// icones/<n>x<n>/<program>.png and icones/scalable/<program>.svg, as the hicolor theme lays them,
// and the window icon compiled into the program (icones/<program>.cpp).
bool ecrireIcones(const QDir& dossier) {
    const std::vector<std::pair<QString, std::function<Dessin(bool)>>> icones = {
        {QStringLiteral("carrelis"), iconeCarrelis}, {QStringLiteral("navirelle"), iconeNavirelle}};
    for (const auto& [nom, dessin] : icones) {
        std::vector<QImage> fenetre;
        for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString sousDossier = QStringLiteral("icones/%1x%1").arg(taille);
            const QImage image = iconeBitmap(dessin(taille >= 48), taille);
            if (!QDir().mkpath(dossier.filePath(sousDossier)) ||
                !image.save(dossier.filePath(sousDossier + QLatin1Char('/') + nom + QStringLiteral(".png")),
                            "PNG"))
                return false;
            if (std::ranges::count(TaillesIconeFenetre, taille)) fenetre.push_back(image);
        }
        const QString titre = nom.left(1).toUpper() + nom.mid(1);
        if (!ecrireSourceIcone(dossier.filePath(QStringLiteral("icones/") + nom + QStringLiteral(".cpp")),
                               titre, fenetre))
            return false;
        QDir().mkpath(dossier.filePath(QStringLiteral("icones/scalable")));
        QFile svg(dossier.filePath(QStringLiteral("icones/scalable/") + nom + QStringLiteral(".svg")));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(iconeSvg(dessin(true), titre)) < 0) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

QImage mosaique(const QImage& tuile, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 0; y < taille.height(); y += tuile.height())
        for (int x = 0; x < taille.width(); x += tuile.width())
            p.drawImage(x, y, tuile);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: generer_images <dossier de sortie> [--apercu]\n");
        return 2;
    }
    const QDir dossier(arguments.at(1));
    if (!QDir().mkpath(dossier.path())) {
        std::fprintf(stderr, "generer_images: cannot create %s\n", qPrintable(dossier.path()));
        return 1;
    }
    const bool apercu = arguments.contains(QStringLiteral("--apercu"));

    const std::vector<std::pair<QString, QImage>> images = {
        {QStringLiteral("Fond4"), fondExercices()},
        {QStringLiteral("Carrelis_Titre"), mosaiqueCarrelis()},
        {QStringLiteral("Navirelle_Titre"), mosaiqueNavirelle()},
        {QStringLiteral("Carrelis"), titreCarrelis()},
        {QStringLiteral("Navirelle"), titreNavirelle()},
    };
    for (const auto& [nom, image] : images) {
        // The programs load plain Windows bitmaps; an RGB32 image is written as a 24-bit BMP.
        const QString chemin = dossier.filePath(nom + QStringLiteral(".bmp"));
        if (!image.save(chemin, "BMP")) {
            std::fprintf(stderr, "generer_images: cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        if (apercu) {
            image.save(dossier.filePath(nom + QStringLiteral(".png")), "PNG");
            mosaique(image, QSize(800, 600))
                .save(dossier.filePath(nom + QStringLiteral("_mosaique.png")), "PNG");
        }
    }
    if (!ecrireIcones(dossier)) {
        std::fprintf(stderr, "generer_images: cannot write the icons in %s\n", qPrintable(dossier.path()));
        return 1;
    }
    return 0;
}
