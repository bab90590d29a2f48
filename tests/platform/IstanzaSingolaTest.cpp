#include "platform/qt/IstanzaSingola.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

TEST(IstanzaSingolaTest, SecondInstanceCallsTheFirstAndStepsAside) {
    QTemporaryDir cartella;
    const QString nome = QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
    IstanzaSingola prima(cartella.path(), nome);
    ASSERT_TRUE(prima.Prima());
    QSignalSpy richiamata(&prima, &IstanzaSingola::Richiamata);
    IstanzaSingola seconda(cartella.path(), nome);
    EXPECT_FALSE(seconda.Prima());
    EXPECT_TRUE(richiamata.count() > 0 || richiamata.wait(5000));
}
