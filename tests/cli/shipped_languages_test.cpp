#include "CliRun.h"
#include "lang/LanguageLocale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace birch::test {
namespace {

// The language files an installation ships: those of data/languages and the English.lng the
// build writes from the program's texts.
std::vector<std::filesystem::path> shippedLanguageFiles()
{
    std::vector<std::filesystem::path> files{std::filesystem::path(BIRCH_STAGED_LANGUAGES) / "English.lng"};
    for (const auto& entry : std::filesystem::directory_iterator(BIRCH_SHIPPED_LANGUAGES))
        if (entry.path().extension() == ".lng")
            files.push_back(entry.path());
    return files;
}

std::uint32_t littleEndian32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

// A flag the options dialog shows at its own size: a BMP of 48 by 48.
void expectBitmap(const std::filesystem::path& file, std::uint32_t size)
{
    const std::string bytes = readAll(file);
    ASSERT_GE(bytes.size(), 26u) << file;
    EXPECT_EQ(bytes.substr(0, 2), "BM") << file;
    EXPECT_EQ(littleEndian32(bytes, 18), size) << file;
    EXPECT_EQ(littleEndian32(bytes, 22), size) << file;
}

// A 48 by 48 flag, and its 96 by 96 variant that a screen scaled to 200 % shows instead.
void expectFlag(const std::string& name)
{
    const std::filesystem::path folder(BIRCH_SHIPPED_LANGUAGES);
    expectBitmap(folder / (name + ".bmp"), 48);
    expectBitmap(folder / (name + "@2x.bmp"), 96);
}

TEST(ShippedLanguageFiles, EveryFilePassesLangCheckWithAllTexts)
{
    for (const auto& file : shippedLanguageFiles()) {
        const CliResult result = runCli({"lang-check", file.string()});
        EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
        EXPECT_NE(result.out.find(": encoding: UTF-8 with byte-order mark\n"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find(": 686 of 686 texts, "), std::string::npos) << result.out;
    }
}

TEST(ShippedLanguageFiles, EveryLanguageHasItsFlagAndItsLocale)
{
    for (const auto& file : shippedLanguageFiles()) {
        const std::string name = file.stem().string();
        expectFlag(name);
        EXPECT_TRUE(languageLocale(name).has_value()) << name << " needs its locale, so Qt's dialogs follow it";
    }
    expectFlag("English");
    expectFlag("DefaultFlag");
}

} // namespace
} // namespace birch::test
