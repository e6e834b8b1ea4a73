#include "platform/data_paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_files.h"

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

}  // namespace
}  // namespace lun4::platform
