// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

// The pupil at the results window that the exercise is about to open modally: types a name and
// saves ("Enregistrer"), as the next thing the event loop does.
inline void EnregistrerAuProchainBilan(const QString& nom) {
    QTimer::singleShot(0, [nom] {
        QWidget* bilan = QApplication::activeModalWidget();
        if (!bilan) return;
        bilan->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(nom);
        bilan->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
}

// Expected bytes of the results files, written apart from the code under test: these characters
// are the same in Latin-1 and Windows-1252.
inline QByteArray LignesWindows(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& ligne : lignes)
        octets += ligne.toLatin1() + "\r\n";
    return octets;
}
