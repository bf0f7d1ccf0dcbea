#include "child_process.h"
#include <QCoreApplication>
#include <QProcess>

std::unique_ptr<QProcess> startChild(const QString& testName, const QProcessEnvironment& orders) {
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(orders);
    child->setProcessEnvironment(environment);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=" + testName, "--gtest_brief=1"});
    child->waitForStarted();
    return child;
}

QString childLine(QProcess& child) {
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000)) {
            return QString();
        }
    }
    return QString::fromUtf8(child.readLine()).trimmed();
}

void killChild(QProcess& child) {
    child.kill();
    child.waitForFinished(20000);
}
