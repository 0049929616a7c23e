// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class PlateForme;
class QDialog;

// The furniture of the teacher's and pupil's small modal dialogs (class lists, results files,
// sheet dialogs, size choosers): a fixed size laid out at 800 x 600, the pale background, one
// caption heard as the window's name. Built in two steps around the controls.
namespace DialogueFixe {

// Before the controls: name, caption, flags (a close button only when the dialog has one to offer),
// modality, design size, font and background.
void Ouvrir(QDialog& dialogue, const QString& nom, const QString& titre, QSize taille,
            bool boutonFermer = true);
// Once the controls are built: scaled to the screen, fixed at that size and centred on it.
void Terminer(QDialog& dialogue, const PlateForme& plateForme);

} // namespace DialogueFixe
