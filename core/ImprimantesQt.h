// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlateForme.h"

// Qt's print dialogs behind a seam. They live in a module of their own (impression.so, installed
// beside the program in lib/<program>/modules/), which the program loads at its first print: Qt's
// printing library, and the print system it reaches, then cost nothing to a start that prints
// nothing, which is most starts.
class ImprimantesQt {
  public:
    virtual ~ImprimantesQt() = default;
    // As PlateForme::ChoisirImprimante and ChoisirImpression, the dialog over parent.
    virtual std::unique_ptr<QPagedPaintDevice>
    ChoisirImprimante(const QString& titre, QPageLayout::Orientation orientation, QWidget* parent) = 0;
    virtual PlateForme::Impression ChoisirImpression(const QString& titre, QWidget* parent) = 0;
};

// What the module exports: a new instance, that the program owns.
using FabriqueImprimantes = ImprimantesQt* (*)();
inline constexpr char SymboleFabriqueImprimantes[] = "CreerImprimantesQt";
