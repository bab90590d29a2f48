#include "platform/qt/IstanzaSingola.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

TEST(IstanzaSingolaTest, SecondInstanceCallsTheFirstAndStepsAside) {
    QTemporaryDir cartella;
    const QString nome = QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
    IstanzaSingola prima({cartella.path()}, nome);
    ASSERT_TRUE(prima.Prima());
    QSignalSpy richiamata(&prima, &IstanzaSingola::Richiamata);
    IstanzaSingola seconda({cartella.path()}, nome);
    EXPECT_FALSE(seconda.Prima());
    EXPECT_TRUE(richiamata.count() > 0 || richiamata.wait(5000));
}

// A temporary folder that cannot hold the lock (here: a path through a file, which even root
// cannot write) is no reason to refuse starting: the lock goes to the next folder.
TEST(IstanzaSingolaTest, AnUnwritableTemporaryFolderIsNotAnotherInstance) {
    QTemporaryDir cartella;
    QFile file(cartella.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString nome = QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
    const QString temporanea = cartella.filePath(QStringLiteral("file/tmp"));
    const QString utente = cartella.filePath(QStringLiteral("utente"));
    IstanzaSingola prima({temporanea, utente}, nome);
    ASSERT_TRUE(prima.Prima()) << "started";
    EXPECT_TRUE(QFile::exists(QDir(utente).filePath(nome + QStringLiteral(".lock"))));
    IstanzaSingola seconda({temporanea, utente}, nome);
    EXPECT_FALSE(seconda.Prima()) << "a real second instance still steps aside";
    IstanzaSingola nessuna({temporanea}, nome + QStringLiteral("-solo"));
    EXPECT_TRUE(nessuna.Prima()) << "no folder for the lock at all: it runs";
}
