// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Hasard.h"

#include <QDateTime>

void HasardSysteme::Randomize() {
    // Two windows opened within the same millisecond would replay the same table: mix in the
    // system's entropy as well as the clock.
    const auto horloge = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    generateur.seed(static_cast<quint32>(horloge ^ (horloge >> 32)) ^ QRandomGenerator::system()->generate());
}
