#ifndef UI_UPLOAD_KEYRINGPASSWORD_H
#define UI_UPLOAD_KEYRINGPASSWORD_H

#include <QObject>
#include <QString>

namespace QKeychain {
class Job;
}

namespace ui {

// A site's password in the desktop's keyring (Secret Service or KWallet),
// under the service "Tunemill". Never in a file: without a keyring nothing
// is kept and the password is asked for each time. Each call answers later,
// by a signal.
class KeyringPassword : public QObject {
    Q_OBJECT
public:
    static const char* const Service;

    explicit KeyringPassword(QObject* parent = nullptr);

    void read(const QString& key);
    void store(const QString& key, const QString& password);
    void forget(const QString& key);
    // Whether a call has not answered yet.
    bool busy() const { return pending > 0; }

signals:
    // Only when the keyring holds a password for the key.
    void found(const QString& key, const QString& password);
    // A password that could not be stored, with the keyring's reason.
    void notStored(const QString& reason);
    void idle();

private:
    void begin(QKeychain::Job* job, const QString& key);
    void end();

    int pending = 0;
};

} // namespace ui

#endif
