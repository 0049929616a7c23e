// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"

#include <QStringView>

// Test rows name their tables by the sign, as a teacher reads them.
inline Operation OperationDe(QStringView signe) {
    return signe == u"+" ? Operation::Addition : Operation::Multiplication;
}
