#ifndef UI_INSTANCE_WIZARDINSTANCE_H
#define UI_INSTANCE_WIZARDINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

namespace ui {

// One wizard per data folder: the first start holds a lock in the folder
// and listens on a local socket named after it; a later start hands its
// files to that wizard instead of opening a second one.
class WizardInstance : public QObject {
    Q_OBJECT
public:
    explicit WizardInstance(const QString& dataFolder, QObject* parent = nullptr);

    // True when this process is to run the wizard: it holds the folder and
    // listens for later starts.
    bool claim();
    // Gives `files` (perhaps none) to the wizard that holds the folder;
    // true once that wizard has them.
    bool handOver(const QStringList& files) const;

    static QString socketName(const QString& dataFolder);

signals:
    // Another start asked for the wizard, with these files to add.
    void called(const QStringList& files);

private:
    void answer();

    QString folder;
    QLockFile lock;
    QLocalServer server;
};

} // namespace ui

#endif
