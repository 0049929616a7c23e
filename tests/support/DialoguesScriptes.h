// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialoguesFeuille.h"

#include <QList>
#include <QStringList>

// The sheet dialogs as a test scripts them: each call takes the next answer given for its
// dialog (none left: the teacher gives up) and is counted.
class DialoguesScriptes final : public DialoguesFeuille {
  public:
    bool ChoisirConsigne(QString& consigne) override {
        ++ouvertures[0];
        return Prendre(consignes, consigne);
    }
    bool ChoisirConsignes3D(std::array<QString, 3>& valeurs) override {
        ++ouvertures[1];
        return Prendre(consignes3D, valeurs);
    }
    bool ChoisirTailleImp(quint8& tailleImp) override {
        ++ouvertures[2];
        return Prendre(tailles, tailleImp);
    }
    bool ChoisirTailles3D(std::array<quint8, 3>& valeurs) override {
        ++ouvertures[3];
        return Prendre(tailles3D, valeurs);
    }
    std::optional<ChoixSerie> ChoisirSerie() override {
        ++ouvertures[4];
        if (series.isEmpty()) return std::nullopt;
        return series.takeFirst();
    }

    QStringList consignes;
    QList<std::array<QString, 3>> consignes3D;
    QList<quint8> tailles;
    QList<std::array<quint8, 3>> tailles3D;
    QList<ChoixSerie> series;
    std::array<int, 5> ouvertures{}; // Consigne, Consigne3D, ModifImp, Choix3D, Serie

  private:
    template <class T> static bool Prendre(QList<T>& reponses, T& valeur) {
        if (reponses.isEmpty()) return false;
        const T reponse = reponses.takeFirst();
        if (reponse == valeur) return false;
        valeur = reponse;
        return true;
    }
};
