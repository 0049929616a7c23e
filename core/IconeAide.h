// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The picture of the "Aide" buttons: a white question mark on a green disc, drawn rather than
// taken from the desktop style so that it looks the same everywhere.
QIcon IconeAide();
