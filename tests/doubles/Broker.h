#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

// A real Mosquitto broker of the test's own, on a free loopback port with a generated
// configuration; never the system's service. Stopped with the test.
class Broker {
  public:
    explicit Broker(const QByteArray& extraConfig = {}) : extra_(extraConfig) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
        probe.close();
        Start();
    }
    ~Broker() { Stop(); }

    quint16 Port() const { return port_; }
    QString Folder() const { return dir_.path(); }
    bool Running() const { return process_.state() == QProcess::Running; }

    bool Start() {
        QFile conf(dir_.filePath(QStringLiteral("mosquitto.conf")));
        if (!conf.open(QIODevice::WriteOnly)) {
            return false;
        }
        conf.write("listener " + QByteArray::number(port_) +
                   " 127.0.0.1\n"
                   "persistence false\nlog_dest none\n"
                   // As root it would become the user "mosquitto", who cannot read this folder.
                   "user root\n" +
                   (extra_.isEmpty() ? QByteArray("allow_anonymous true\n") : extra_));
        conf.close();
        process_.start(QStringLiteral("/usr/sbin/mosquitto"),
                       {QStringLiteral("-c"), conf.fileName()});
        if (!process_.waitForStarted(5000)) {
            return false;
        }
        // Ready when it accepts a connection; bounded.
        for (int i = 0; i < 100; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port_);
            if (s.waitForConnected(100)) {
                return true;
            }
            QThread::msleep(20);
        }
        return false;
    }
    void Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(3000);
            }
        }
    }

  private:
    QTemporaryDir dir_;
    QByteArray extra_;
    QProcess process_;
    quint16 port_ = 0;
};

// Runs the event loop until `done` holds or `ms` pass; bounded.
inline bool EventuallyTrue(const std::function<bool()>& done, int ms = 10000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
