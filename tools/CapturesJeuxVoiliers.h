// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Fenetres;
class Programme;
class QWidget;

// Navirelle's exercise windows as pupils see them: at the start, in the middle and finished,
// with and without hatches over the colours, and the results window of exercise 3. Each picture
// goes to `enregistrer` with its name.
void CapturerJeuxVoiliers(Programme& prog, Fenetres& fenetres,
                          const std::function<void(QWidget&, const QString&)>& enregistrer);
