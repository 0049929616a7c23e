// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class PlateForme;
class SectionConsigne;

// The instruction of a sheet of layouts 1 to 4, and of navirelle's sheet: no instruction, the
// default one or the teacher's own. A band across the screen, centred in height. "OK" keeps
// the choice; "Annuler", Escape and the close button leave the instruction as it was.
class TF_Consigne : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Consigne(PlateForme& plate, QWidget* parent = nullptr);

    // Opens on `consigne`, modal, and writes the choice back on "OK"; true when it changed.
    bool Choisir(QString& consigne);
    // The instruction the window shows when it is next shown.
    void Preparer(const QString& consigne) { consigneOuverte = consigne; }
    QString ConsigneChoisie() const;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    void Placer();

    PlateForme& plate;
    SectionConsigne* section;
    QString consigneOuverte;
};
