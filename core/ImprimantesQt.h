// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SortieImpression.h"

#include <QPageLayout>
#include <QString>

#include <optional>

class QWidget;

// Qt's print dialog behind a seam. It lives in a module of its own (impression.so, installed
// beside the program in lib/<program>/modules/), which the program loads at its first print: Qt's
// printing library, and the print system it reaches, then cost nothing to a start that prints
// nothing, which is most starts. Everything that needs a QPrinter is in the module; what a job
// draws, its pages and copies, stay with the program.
class ImprimantesQt {
  public:
    virtual ~ImprimantesQt() = default;
    // As PlateForme::ChoisirImpression, the dialog over parent; nothing when the user gives up.
    virtual std::optional<ReponseImpression>
    ChoisirImpression(const QString& titre, std::optional<QPageLayout::Orientation> orientation,
                      int nombrePages, QWidget* parent) = 0;
};

// What the module exports: a new instance, that the program owns.
using FabriqueImprimantes = ImprimantesQt* (*)();
inline constexpr char SymboleFabriqueImprimantes[] = "CreerImprimantesQt";
