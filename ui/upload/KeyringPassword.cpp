#include "ui/upload/KeyringPassword.h"

#include <qt6keychain/keychain.h>

namespace ui {

const char* const KeyringPassword::Service = "Tunemill";

KeyringPassword::KeyringPassword(QObject* parent) : QObject(parent) {}

// QtKeychain would otherwise keep the password in a plain file when it
// finds no keyring. The jobs have no parent: a password stored as the
// dialog closes is still stored, and only the answer is lost.
void KeyringPassword::begin(QKeychain::Job* job, const QString& key) {
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    job->setKey(key);
    ++pending;
    job->start();
}

void KeyringPassword::end() {
    if (--pending == 0)
        emit idle();
}

void KeyringPassword::read(const QString& key) {
    auto* job = new QKeychain::ReadPasswordJob(Service);
    connect(job, &QKeychain::Job::finished, this, [this, job, key] {
        if (job->error() == QKeychain::NoError && !job->textData().isEmpty())
            emit found(key, job->textData());
        end();
    });
    begin(job, key);
}

void KeyringPassword::store(const QString& key, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        if (job->error() != QKeychain::NoError)
            emit notStored(job->errorString());
        end();
    });
    begin(job, key);
}

// A keyring that holds nothing for the key, or none at all, keeps nothing.
void KeyringPassword::forget(const QString& key) {
    auto* job = new QKeychain::DeletePasswordJob(Service);
    connect(job, &QKeychain::Job::finished, this, [this] { end(); });
    begin(job, key);
}

} // namespace ui
