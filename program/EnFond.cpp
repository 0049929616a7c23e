// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/EnFond.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

EnFond::EnFond(std::function<void()> travail) : fil(std::move(travail)) {}

EnFond::~EnFond() {
    Attendre();
}

void EnFond::Attendre() {
    if (fil.joinable()) fil.join();
}

// fontconfig keeps the configuration its first caller loads for the whole process, and loading
// it is safe from any thread.
EnFond LirePolicesEnFond() {
    return EnFond([] { FcInit(); });
}

// Qt keeps the session bus its first caller connects for the whole process, whichever thread
// asked; the application must exist first.
EnFond ConnecterBusDeSessionEnFond() {
    const QString plateForme = QGuiApplication::platformName();
    if (plateForme != QLatin1String("xcb") && !plateForme.startsWith(QLatin1String("wayland"))) return {};
    return EnFond([] { QDBusConnection::sessionBus(); });
}
