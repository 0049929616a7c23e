// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class PlateForme;
class ReglagesUtilisateur;

// The switch that lays hatches over the colours, for pupils who cannot tell some colours apart.
// Every sailboat window has one; all of them share the user's setting, so that turning it on in
// one exercise turns it on in the others and at the next run.
class BoutonTrames : public QPushButton {
    Q_OBJECT
  public:
    static const QString Cle; // of the user's settings

    BoutonTrames(PlateForme& plate, ReglagesUtilisateur& reglages, QWidget* parent);

  signals:
    // The setting changed, here or in another window.
    void TramesChangees(bool actives);

  protected:
    bool event(QEvent* evenement) override;

  private:
    void Basculer(bool actives);
    void Changees(const QString& cle, bool valeur);

    PlateForme& plate;
    ReglagesUtilisateur& reglages;
};
