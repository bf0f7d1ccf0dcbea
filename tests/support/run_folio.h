#pragma once
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

struct Ran {
    int exitCode;
    QString out;
    QString err;
};

// The program itself (a crash exits -1). Without a window it runs as a script runs it,
// with no display at all; with one it shows the window offscreen and ends, its settings
// in `config`.
inline Ran runFolio(const QStringList& arguments, bool window = false,
                    const QString& config = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    if (window) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("FOLIO_EXIT_AFTER_SHOW", "1");
    }
    if (!config.isEmpty()) {
        env.insert("XDG_CONFIG_HOME", config);
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FOLIO_BINARY), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
