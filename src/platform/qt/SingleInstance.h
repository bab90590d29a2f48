#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

// One running program per user. The first holds a lock and listens; a later one
// asks the first to come forward and then ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // The lock goes in the first of `folders` where it can be written (the temporary folder,
    // then the user's data folder).
    SingleInstance(const QStringList& folders, const QString& name);
    static QString NameForUser();
    // False only when another instance answers (it has been asked to show itself). A lock left
    // by a crashed run, even one the folder will not let go, or a lock that cannot be written
    // anywhere lets this one run: better two scoreboards than none.
    bool Before();

  signals:
    void Recalled();

  private:
    bool CallTheFirst() const;
    bool AnotherAnswers() const;
    QString LockPath(const QString& folder) const;

    QStringList folders_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};
