// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SortieImpression.h"

#include <memory>

class QPrinter;

// Part of the print module, the only code that links Qt's printing library (ImprimantesQt.h).
// The print dialog's answer read from the printer it set: the PDF file it names, whose copies
// the program draws itself; or the printer, which makes its copies from one and is asked after
// the job whether it took the pages. The pages asked for go with either.
ReponseImpression ReponseDe(std::unique_ptr<QPrinter> imprimante);
