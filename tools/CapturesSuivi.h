// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Programme;
class Fenetres;
class QWidget;

// The class follow-up over a class of 25 written as the programs write it (three pupils who have
// not played yet): the class's table, and one pupil's games and chart.
void CapturerSuivi(Programme& prog, Fenetres& fenetres,
                   const std::function<void(QWidget& fenetre, const QString& nom)>& enregistrer);
