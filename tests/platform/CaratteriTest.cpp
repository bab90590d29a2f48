#include "platform/qt/Caratteri.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(CaratteriTest, TheDesignFontIsAvailable) {
    RegistraCaratteri();
    EXPECT_EQ(QStringLiteral("Tahoma").toStdString(),
              QFontInfo(QFont(QStringLiteral("Tahoma"))).family().toStdString());
}
