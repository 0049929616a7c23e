// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a pupil's rates over time, in a module of its own: the programs load it the first
// time a teacher opens a pupil's detail (suivi/GraphiqueSuivi), and never at start.
#include "suivi/GraphiqueSuivi.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace {

// One look per exercise that a black and white page keeps apart: the marker's shape and the
// line's dashes, in dark inks that also differ in colour.
struct Allure {
    QScatterSeries::MarkerShape Forme;
    Qt::PenStyle Trait;
    QColor Encre;
};

const std::array<Allure, 3> Allures{{
    {QScatterSeries::MarkerShapeCircle, Qt::SolidLine, QColor(16, 40, 140)},
    {QScatterSeries::MarkerShapeRectangle, Qt::DashLine, QColor(150, 20, 20)},
    {QScatterSeries::MarkerShapeTriangle, Qt::DotLine, QColor(0, 100, 0)},
}};

void AjouterCourbe(QChart& graphique, const SuiviClasse::Courbe& courbe, const Allure& allure) {
    auto* ligne = new QLineSeries(&graphique);
    auto* points = new QScatterSeries(&graphique);
    for (const auto& [quand, taux] : courbe.Points) {
        ligne->append(double(quand.toMSecsSinceEpoch()), taux);
        points->append(double(quand.toMSecsSinceEpoch()), taux);
    }
    QPen trait(allure.Encre, 2, allure.Trait);
    ligne->setPen(trait);
    points->setName(courbe.Nom);
    points->setMarkerShape(allure.Forme);
    points->setMarkerSize(11);
    points->setColor(allure.Encre);
    points->setBorderColor(Qt::black);
    graphique.addSeries(ligne);
    graphique.addSeries(points);
}

// Whole days, from the first game's to the day after the last one's, a tick a day when they are
// few: each label names a different day.
void Bornes(QDateTimeAxis& axe, const QList<SuiviClasse::Courbe>& courbes) {
    QDate debut, fin;
    for (const SuiviClasse::Courbe& c : courbes)
        for (const auto& point : c.Points) {
            if (!debut.isValid() || point.first.date() < debut) debut = point.first.date();
            if (!fin.isValid() || point.first.date() > fin) fin = point.first.date();
        }
    if (!debut.isValid()) debut = fin = QDate::currentDate();
    fin = fin.addDays(1);
    const qint64 jours = debut.daysTo(fin);
    axe.setRange(QDateTime(debut, QTime(0, 0)), QDateTime(fin, QTime(0, 0)));
    axe.setTickCount(int(std::clamp<qint64>(jours + 1, 2, 7)));
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* CreerGraphiqueSuivi(const QList<SuiviClasse::Courbe>& courbes,
                                                      const QString& titre, const QString& description,
                                                      QWidget* parent) {
    auto* graphique = new QChart;
    // A chart's title is markup: a pupil's name is shown as it is written, whatever it holds.
    graphique->setTitle(titre.toHtmlEscaped());
    graphique->setAnimationOptions(QChart::NoAnimation);
    auto* temps = new QDateTimeAxis(graphique);
    temps->setFormat(QStringLiteral("dd/MM/yy"));
    temps->setTitleText(QStringLiteral("Date de la partie"));
    Bornes(*temps, courbes);
    auto* taux = new QValueAxis(graphique);
    taux->setRange(0, 100);
    taux->setTickCount(6);
    taux->setLabelFormat(QStringLiteral("%.0f %%"));
    taux->setTitleText(QStringLiteral("Réussite"));
    graphique->addAxis(temps, Qt::AlignBottom);
    graphique->addAxis(taux, Qt::AlignLeft);
    for (qsizetype i = 0; i < courbes.size(); ++i)
        if (!courbes[i].Points.isEmpty())
            AjouterCourbe(*graphique, courbes[i], Allures[size_t(i) % Allures.size()]);
    for (QAbstractSeries* serie : graphique->series()) {
        serie->attachAxis(temps);
        serie->attachAxis(taux);
        // The legend names each exercise by its marker, which black and white keeps.
        if (serie->type() == QAbstractSeries::SeriesTypeLine)
            for (QLegendMarker* marque : graphique->legend()->markers(serie))
                marque->setVisible(false);
    }
    // The letters of the window around it, which follow the screen's size.
    QFont police = parent ? parent->font() : QFont();
    for (QAbstractAxis* axe : {static_cast<QAbstractAxis*>(temps), static_cast<QAbstractAxis*>(taux)}) {
        axe->setLabelsFont(police);
        axe->setTitleFont(police);
    }
    graphique->legend()->setFont(police);
    police.setBold(true);
    graphique->setTitleFont(police);
    graphique->legend()->setAlignment(Qt::AlignBottom);
    graphique->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* vue = new QChartView(graphique, parent);
    vue->setObjectName(QStringLiteral("Graphique"));
    vue->setRenderHint(QPainter::Antialiasing);
    vue->setAccessibleName(QStringLiteral("Graphique des bonnes réponses au fil du temps"));
    vue->setAccessibleDescription(description);
    vue->setFocusPolicy(Qt::NoFocus);
    return vue;
}
