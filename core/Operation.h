// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two tables carrelis drills; navirelle has one kind of table and no operation.
enum class Operation { Addition, Multiplication };

// The sign shown in the corner of a table and on the sheets: "+" or "x".
inline QString Signe(Operation operation) {
    return operation == Operation::Addition ? QStringLiteral("+") : QStringLiteral("x");
}
