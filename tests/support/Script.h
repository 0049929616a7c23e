// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One of the project's scripts run to its end: its status (-1 when it crashed or hung) and all it
// printed, both channels together, for the messages of a failing test.
struct ResultatScript {
    int statut = -1;
    QString messages;
};

inline ResultatScript LancerScript(const QString& script, const QStringList& arguments,
                                   const QByteArray& entree = {}) {
    QProcess processus;
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.start(script, arguments);
    if (!processus.waitForStarted(60000)) return {};
    processus.write(entree);
    processus.closeWriteChannel();
    if (!processus.waitForFinished(60000) || processus.exitStatus() != QProcess::NormalExit) return {};
    return {processus.exitCode(), QString::fromUtf8(processus.readAll())};
}
