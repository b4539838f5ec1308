#include "halvane/settings/halvane_config.h"
#include "tests/common/temp_dir.h"

#include "common/profile.h"

using namespace halvane::settings;

namespace {

TEST(AddressConversion, TextToByteFollowsTheNibbleRules)
{
    EXPECT_EQ(addressTextToByte(QStringLiteral("FF")), 0xFF);
    EXPECT_EQ(addressTextToByte(QStringLiteral("EF")), 0xEF);
    EXPECT_EQ(addressTextToByte(QStringLiteral("ef")), 0xEF);
    EXPECT_EQ(addressTextToByte(QStringLiteral("0F")), 0x0F);
    EXPECT_EQ(addressTextToByte(QStringLiteral("F")), 0xFF) << "one character gives both nibbles";
    EXPECT_EQ(addressTextToByte(QStringLiteral("5")), 0x55);
    EXPECT_EQ(addressTextToByte(QString()), 0x00);
    EXPECT_EQ(addressTextToByte(QStringLiteral("g1")), 0x01) << "'g' counts 0";
    EXPECT_EQ(addressTextToByte(QStringLiteral("1g")), 0x10);
    EXPECT_EQ(addressTextToByte(QStringLiteral("A9")), 0xA9);
    EXPECT_EQ(addressTextToByte(QStringLiteral("1x2")), 0x12) << "first and last character only";
    EXPECT_EQ(addressTextToByte(QStringLiteral("  ")), 0x00);
}

TEST(AddressConversion, ByteToTextIsTwoUpperCaseDigits)
{
    EXPECT_EQ(addressByteToText(0x0F), QStringLiteral("0F"));
    EXPECT_EQ(addressByteToText(0xEF), QStringLiteral("EF"));
    EXPECT_EQ(addressByteToText(0x00), QStringLiteral("00"));
    EXPECT_EQ(addressByteToText(0xA5), QStringLiteral("A5"));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(addressTextToByte(addressByteToText(std::uint8_t(b))), b);
}

class HalvaneConfigTest : public TempDirTest {
protected:
    QString ini() const { return path(QStringLiteral("Halvane.ini")); }
};

TEST_F(HalvaneConfigTest, DefaultsWithNoFileAtAll)
{
    const StartupSettings s = readStartupSettings(ini());
    EXPECT_EQ(s.geometry().side, 48);
    EXPECT_EQ(s.harnessFrameDots, 0);
    EXPECT_EQ(s.language, 0);
    EXPECT_TRUE(readFontNames(ini()).isEmpty()) << "FONTNUM 3 with three empty names";
    EXPECT_EQ(readBootAddress(ini(), Address4Fallback::EF), (CrossAddress{0xFF, 0xFF, 0xFF, 0xEF}));
    EXPECT_EQ(readBootAddress(ini(), Address4Fallback::FF), (CrossAddress{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(readBootInt(ini(), kKeyTempFactor, kDefaultTempFactor), 10);
}

TEST_F(HalvaneConfigTest, StartupSettingsFromFile)
{
    writeFile(QStringLiteral("Halvane.ini"),
              "[BOOT]\nCROSSSTYLE=99\nHARNESSFRAMEDOTS=2\nLANGUAGE=3\n");
    StartupSettings s = readStartupSettings(ini());
    EXPECT_EQ(s.crossStyle, 99);
    EXPECT_EQ(s.geometry().side, 48) << "99 starts as a 48 cross";
    EXPECT_EQ(s.geometry().harnessFrameDots, 2);
    EXPECT_EQ(s.language, 3);

    ASSERT_TRUE(writeBootInt(ini(), kKeyCrossStyle, 1));
    EXPECT_EQ(readStartupSettings(ini()).geometry().side, 64);
    ASSERT_TRUE(writeBootInt(ini(), kKeyLanguage, 7));
    EXPECT_EQ(readStartupSettings(ini()).language, 7) << "not Auto: a value outside the menu keeps the built-in texts";
}

TEST_F(HalvaneConfigTest, BootAddressUsesFiveCharacterBuffersAndFallbacks)
{
    writeFile(QStringLiteral("Halvane.ini"),
              "[BOOT]\nADDRESS1=12\nADDRESS2=\nADDRESS3=abcdef\n");
    // ADDRESS2 is present but empty: 00. ADDRESS3 is cut to "abcd": a, d.
    EXPECT_EQ(readBootAddress(ini(), Address4Fallback::EF), (CrossAddress{0x12, 0x00, 0xAD, 0xEF}));
    EXPECT_EQ(readBootAddress(ini(), Address4Fallback::FF), (CrossAddress{0x12, 0x00, 0xAD, 0xFF}));
}

TEST_F(HalvaneConfigTest, FontNamesSkipGapsAndRespectFontNum)
{
    writeFile(QStringLiteral("Halvane.ini"),
              "[FONT]\nFONTNUM=5\nFONT1=Liberation Sans\nFONT2=\nFONT3=DejaVu Sans\nFONT5=Extra\nFONT6=Beyond\n");
    EXPECT_EQ(readFontNames(ini()),
              (QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("Extra")}));
    ASSERT_TRUE(common::WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONTNUM"),
                                                   QStringLiteral("0"), ini()));
    EXPECT_TRUE(readFontNames(ini()).isEmpty());
    ASSERT_TRUE(common::WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONTNUM"),
                                                   QStringLiteral("-4"), ini()));
    EXPECT_TRUE(readFontNames(ini()).isEmpty());
}

} // namespace
