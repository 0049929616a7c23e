// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which commands of a sailboat exercise window act at a given step of its game; "Aide" always
// does.
struct BoutonsJeu {
    bool Commencer = false;
    bool Nouveau = false;
    bool Changer = false;
    bool Bilan = false;
    bool Quitter = true;

    bool operator==(const BoutonsJeu&) const = default;
};
