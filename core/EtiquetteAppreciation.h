// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class PlateForme;
class QTimer;

// "Juste" in green or "Faux" in red after an answer, gone 5 seconds after the last one; a
// screen reader hears it at once, with what the screen shows around it.
class EtiquetteAppreciation : public QLabel {
    Q_OBJECT
  public:
    static constexpr int DureeMs = 5000;

    EtiquetteAppreciation(PlateForme& plateForme, QWidget* parent);

    // The names tests and assistive technologies find: the label's, what it is called while it
    // shows nothing, and its timer's.
    void Nommer(const QString& objet, const QString& auRepos, const QString& minuterie);

    // `parole`: what is said, when more than the word itself.
    void Afficher(bool juste, const QString& parole = {});
    // Stops the 5 seconds too: a new answer starts them again.
    void Effacer();
    QTimer* Minuterie() const { return timer2; }

  private:
    PlateForme& plate;
    QTimer* timer2;
    QString nomAuRepos;
};
