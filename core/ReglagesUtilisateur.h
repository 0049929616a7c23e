// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// The settings a pupil chooses for himself, such as hatches over the colours: they belong to the
// user of the computer, not to the teacher's preferences, whose file keeps its fixed record. Every
// window that offers one reads and changes it here, so that all of them agree at once.
class ReglagesUtilisateur : public QObject {
    Q_OBJECT
  public:
    // fichier: where the settings are kept (INI); empty keeps them for the run only.
    explicit ReglagesUtilisateur(const QString& fichier, QObject* parent = nullptr);

    const QString& Fichier() const { return fichier; }
    // Every setting is off until the user turns it on.
    bool Lire(const QString& cle) const;
    // The run takes the new value at once; false, and raison says why in French, when the file
    // could not keep it.
    bool Ecrire(const QString& cle, bool valeur, QString* raison = nullptr);

  signals:
    void Change(const QString& cle, bool valeur);

  private:
    QString fichier;
    mutable QHash<QString, bool> valeurs; // what was read or changed during the run
};
