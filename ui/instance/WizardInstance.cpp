#include "ui/instance/WizardInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>

namespace ui {

namespace {

const char* const LockFileName = "wizard.lock";
// A wizard that has just taken the lock may not listen yet.
const int HandOverMilliseconds = 5000;
const int RetryMilliseconds = 100;
const char Received = '1';

bool sendFiles(QLocalSocket& socket, const QStringList& files) {
    QDataStream out(&socket);
    out << files;
    if (!socket.waitForBytesWritten(HandOverMilliseconds))
        return false;
    while (socket.bytesAvailable() == 0)
        if (!socket.waitForReadyRead(HandOverMilliseconds))
            return false;
    char reply = 0;
    return socket.getChar(&reply) && reply == Received;
}

} // namespace

WizardInstance::WizardInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder(dataFolder), lock(QDir(dataFolder).filePath(LockFileName)) {
    // A lock left by a wizard that crashed is taken over at once.
    lock.setStaleLockTime(0);
    connect(&server, &QLocalServer::newConnection, this, &WizardInstance::answer);
}

QString WizardInstance::socketName(const QString& dataFolder) {
    QByteArray hash = QCryptographicHash::hash(QDir(dataFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    return "tunemill-" + QString::fromLatin1(hash.toHex().left(16));
}

bool WizardInstance::claim() {
    QDir().mkpath(folder);
    if (!lock.tryLock(0))
        // Another wizard holds the folder; a folder that cannot hold a lock
        // at all cannot be shared either, so this wizard runs on its own.
        return lock.error() != QLockFile::LockFailedError;
    // The socket of a wizard that crashed would be in the way.
    QLocalServer::removeServer(socketName(folder));
    if (!server.listen(socketName(folder)))
        std::fprintf(stderr, "Tunemill cannot hear later starts: %s\n", qPrintable(server.errorString()));
    return true;
}

bool WizardInstance::handOver(const QStringList& files) const {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < HandOverMilliseconds) {
        QLocalSocket socket;
        socket.connectToServer(socketName(folder));
        if (socket.waitForConnected(RetryMilliseconds))
            return sendFiles(socket, files);
        QThread::msleep(RetryMilliseconds);
    }
    return false;
}

void WizardInstance::answer() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QStringList files;
            in >> files;
            if (!in.commitTransaction())
                return;
            socket->putChar(Received);
            socket->flush();
            // Not from inside the socket's handler: the files may open a
            // box whose event loop would run this handler again, or delete
            // the socket under it.
            QMetaObject::invokeMethod(this, [this, files] { emit called(files); }, Qt::QueuedConnection);
        });
    }
}

} // namespace ui
