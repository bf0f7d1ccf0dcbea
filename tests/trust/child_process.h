#pragma once
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

// This test program started again as a child that plays a second Folio: it runs one
// test, chosen by its full name, with its orders in environment variables.
std::unique_ptr<QProcess> startChild(const QString& testName, const QProcessEnvironment& orders);
// Waits for the child's next line on its standard output (empty when it ended first).
QString childLine(QProcess& child);
// Kills the child at once (SIGKILL) and reaps it.
void killChild(QProcess& child);
