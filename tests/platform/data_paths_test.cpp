#include "platform/data_paths.h"
#include "platform/page_cache.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_files.h"
#include "ui/recording_surface.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

TEST(DataPathsTest, ResolvesMixedSeparatorsAndAnyCase) {
    const testing::TempFolder temp;
    const fs::path root = temp.path();
    fs::create_directories(root / "Data" / "BMP" / "Zad");
    std::ofstream(root / "Data" / "otworz.bmp") << "x";
    std::ofstream(root / "Data" / "BMP" / "Zad" / "z17.asd") << "x";

    DataPaths paths(root);
    EXPECT_EQ(paths.resolve("data\\otworz.bmp"), root / "Data" / "otworz.bmp");
    EXPECT_EQ(paths.resolve("Data/OTWORZ.BMP"), root / "Data" / "otworz.bmp");
    EXPECT_EQ(paths.resolve("DATA\\bmp/zad\\Z17.asd"), root / "Data" / "BMP" / "Zad" / "z17.asd");
    EXPECT_FALSE(paths.resolve("Data\\BMP\\Zad\\z18.asd"));
    EXPECT_FALSE(paths.resolve("Data\\..\\..\\etc"));

    // Listings are cached until forgotten.
    std::ofstream(root / "Data" / "Nowy.bmp") << "x";
    EXPECT_FALSE(paths.resolve("Data\\nowy.bmp"));
    paths.forget();
    EXPECT_EQ(paths.resolve("Data\\nowy.bmp"), root / "Data" / "Nowy.bmp");
}

// Pages asked for ahead are decoded while the program is idle, without pushing out the ones
// on display; showing one later decodes nothing.
TEST(PageCacheTest, APageDecodedAheadIsShownWithoutADecode) {
    std::vector<std::string> decoded;
    PageCache cache([&](std::string_view name) -> ui::ImageHandle {
        decoded.emplace_back(name);
        if (name.find("brak") != std::string_view::npos) return {};
        return std::make_shared<ui::FakeImage>(std::string(name), 790, 470);
    });
    for (int i = 1; i <= 6; ++i) cache.load("Data\\BMP\\Zad\\z" + std::to_string(i) + ".asd");
    EXPECT_FALSE(cache.askAhead("data/bmp/zad/Z6.ASD"));  // kept already, in any spelling
    EXPECT_TRUE(cache.askAhead("Data\\BMP\\Zad\\z7.asd"));
    EXPECT_TRUE(cache.askAhead("Data\\BMP\\Zad\\brak.asd"));
    EXPECT_EQ(decoded.size(), 6u);  // nothing before the program is idle
    EXPECT_TRUE(cache.decodeOneAhead());
    EXPECT_FALSE(cache.decodeOneAhead());
    decoded.clear();
    cache.load("Data\\BMP\\Zad\\z7.asd");
    cache.load("Data\\BMP\\Zad\\z6.asd");  // the page on display before stays
    EXPECT_TRUE(decoded.empty());
    cache.load("Data\\BMP\\Zad\\brak.asd");  // a missing page is looked for again
    EXPECT_EQ(decoded.size(), 1u);
}

}  // namespace
}  // namespace lun4::platform
