// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Hasard.h"

#include <QList>
#include <QString>

#include <stdexcept>

// Replays a given sequence of draws, so that a test pins the exact result of rules that draw.
// Each draw may also be checked against the bound the rule asked for.
class HasardScripte final : public Hasard {
  public:
    struct Tirage {
        int valeur;
        int borne; // 0 = any bound accepted
    };

    HasardScripte() = default;
    explicit HasardScripte(std::initializer_list<int> valeurs) { Ajouter(valeurs); }

    void Ajouter(std::initializer_list<int> valeurs) {
        for (int v : valeurs)
            tirages.append({v, 0});
    }
    void Ajouter(const QList<int>& valeurs) {
        for (int v : valeurs)
            tirages.append({v, 0});
    }
    void AjouterBorne(int valeur, int borne) { tirages.append({valeur, borne}); }

    int Rnd(int n) override {
        if (suivant >= tirages.size())
            throw std::runtime_error(
                QStringLiteral("draw %1 (Rnd(%2)) beyond the script").arg(suivant).arg(n).toStdString());
        const Tirage t = tirages.at(suivant);
        if ((t.borne != 0 && t.borne != n) || t.valeur < 0 || t.valeur >= n)
            throw std::runtime_error(QStringLiteral("draw %1: scripted %2 does not fit Rnd(%3)")
                                         .arg(suivant)
                                         .arg(t.valeur)
                                         .arg(n)
                                         .toStdString());
        ++suivant;
        bornes.append(n);
        return t.valeur;
    }
    void Randomize() override { ++graines; }

    int Restants() const { return static_cast<int>(tirages.size() - suivant); }
    QList<int> bornes; // the bound of every draw made, in order
    int graines = 0;

  private:
    QList<Tirage> tirages;
    qsizetype suivant = 0;
};
