#pragma once

#include "core/SortieImpression.h"

#include <memory>

class QPrinter;

// Where the print dialog's answer sends a job: the PDF file it names, drawn by the program with
// every copy; or the printer, which makes the copies itself and is asked afterwards whether it
// took the pages. The pages asked for go with either.
std::unique_ptr<SortieImpression> SortieDe(std::unique_ptr<QPrinter> imprimante);
