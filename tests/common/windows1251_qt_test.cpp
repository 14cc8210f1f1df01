#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/windows1251.h"

namespace {

// The model writes names through its own table; the toolkit's codec wrote them before.
TEST(Windows1251, AgreesWithTheToolkitsCodecByteForByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(QString::fromStdString(krugovik::fromWindows1251(all.toStdString())),
              krugovik::fromCodePage(all));
    for (const QString &text :
         {QStringLiteral("Щукин, \"Младший\" Ёж №5"), QStringLiteral("€‰ˆ—…"),
          QStringLiteral("中文 😀 ü")})
        EXPECT_EQ(QByteArray::fromStdString(krugovik::toWindows1251(text.toStdString())),
                  krugovik::toCodePage(text))
            << text.toStdString();
}

} // namespace
