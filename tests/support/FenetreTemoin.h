#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

// A stand-in for a window: counts its showings and, shown modal, does its work and closes at
// once, so that the window that opened it goes on.
class FenetreTemoin : public QDialog {
public:
    explicit FenetreTemoin(std::function<void()> travail = {}) : travail(std::move(travail)) {}

    int ouvertures = 0;
    bool modale = false;

protected:
    void showEvent(QShowEvent* evenement) override {
        QDialog::showEvent(evenement);
        ++ouvertures;
        modale = isModal();
        if (travail) travail();
        if (modale) QTimer::singleShot(0, this, &QDialog::reject);
    }

private:
    std::function<void()> travail;
};
