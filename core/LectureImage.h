// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture whose format is known (the backgrounds are bitmaps, the icons PNG), read by that
// format's own reader. Read by name alone, Qt first asks every image plugin whether it knows the
// file, which loads them all: several milliseconds of a start that needs none of them. A file
// that does not hold the format its name promises is still read, the plugins then helping.
QImage LireImage(const QString& chemin, const QByteArray& format);
