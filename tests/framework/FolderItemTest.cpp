// Folder items on a temporary folder: children by name, parents up to the root,
// pictures through the installed decoder, and the program's own file.
#include "TemporaryFolder.h"

#include <fw/FolderItem.h>
#include <fw/Picture.h>

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

using namespace fw;
namespace fs = std::filesystem;

class TemporaryFolder : public testing::Test {
protected:
    void SetUp() override
    {
        root = temporary_folder::NewTemporaryFolder("fw-folderitem");
        fs::create_directories(root / "Resources");
        std::ofstream(root / "Resources" / "Logo.jpg", std::ios::binary) << bytes;
        folder = FolderItem::ForPath(root);
        previousDecoder = InstallPictureDecoder(nullptr);
    }
    void TearDown() override
    {
        InstallPictureDecoder(std::move(previousDecoder));
        fs::remove_all(root);
    }

    Ref<FolderItem> logo()
    {
        auto resources = folder->Child(Literal<"Resources">());
        return resources->Child(Literal<"Logo.jpg">());
    }

    const std::string bytes { "\xFF\xD8 not really a picture", 24 };
    fs::path root;
    Ref<FolderItem> folder;
    PictureDecoder previousDecoder;
};

struct ChildName {
    const char* row;
    String* name;
    bool item; // an item comes back
    bool exists; // and names something that exists
};

class FolderChild : public TemporaryFolder, public testing::WithParamInterface<ChildName> { };

TEST_P(FolderChild, NamesItemsInsideTheFolderOnly)
{
    auto& row = GetParam();
    auto child = folder->Child(row.name);
    ASSERT_EQ(child != nullptr, row.item);
    if (!child)
        return;
    EXPECT_EQ(child->exists(), row.exists);
    EXPECT_EQ(child->name(), Text(row.name));
    EXPECT_EQ(child->parent()->path(), folder->path());
}

INSTANTIATE_TEST_SUITE_P(Names, FolderChild,
    testing::Values(ChildName { "ExistingFolder", Literal<"Resources">(), true, true },
        ChildName { "MissingFile", Literal<"Velmora Logo.jpg">(), true, false },
        ChildName { "Empty", Literal<"">(), false, false }, ChildName { "Nil", nullptr, false, false },
        ChildName { "WithSeparator", Literal<"Resources/Logo.jpg">(), false, false },
        ChildName { "Dot", Literal<".">(), false, false }, ChildName { "DotDot", Literal<"..">(), false, false }),
    [](const testing::TestParamInfo<ChildName>& info) { return info.param.row; });

TEST_F(TemporaryFolder, ParentsLeadToTheRootWhichHasNone)
{
    auto item = FolderItem::ForPath(root / "Resources" / "");
    EXPECT_EQ(item->name(), "Resources") << "a trailing separator names the folder itself";
    int steps = 0;
    for (auto parent = item->parent(); parent; parent = parent->parent()) {
        item = parent;
        ASSERT_LT(++steps, 64);
    }
    EXPECT_EQ(item->path(), item->path().root_path());
    EXPECT_TRUE(item->directory());
}

TEST_F(TemporaryFolder, OpenAsPictureDecodesTheFilesBytesOrGivesNil)
{
    EXPECT_EQ(logo()->OpenAsPicture(), nullptr) << "no decoder installed";

    std::vector<std::string> seen;
    InstallPictureDecoder([&](std::span<const std::uint8_t> data) {
        seen.emplace_back(data.begin(), data.end());
        return NewPicture(nullptr, 84, 64);
    });
    auto picture = logo()->OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 84);
    EXPECT_EQ(seen, std::vector<std::string> { bytes });

    EXPECT_EQ(folder->Child(Literal<"Missing.jpg">())->OpenAsPicture(), nullptr);
    EXPECT_EQ(folder->Child(Literal<"Resources">())->OpenAsPicture(), nullptr) << "a folder is no picture";
    EXPECT_EQ(seen.size(), 1u) << "the decoder sees only files that could be read";

    InstallPictureDecoder([](std::span<const std::uint8_t>) { return Ref<Picture>(); });
    EXPECT_EQ(logo()->OpenAsPicture(), nullptr);
    InstallPictureDecoder([](std::span<const std::uint8_t>) -> Ref<Picture> { throw std::runtime_error("bad data"); });
    EXPECT_EQ(logo()->OpenAsPicture(), nullptr) << "a failing decoder raises nothing";
}

TEST(ApplicationFile, IsTheRunningProgram)
{
    auto program = AppFolderItemGetter(kApplicationFileItem);
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->exists());
    EXPECT_FALSE(program->directory());
    EXPECT_EQ(program->name(),
        testing::internal::GetArgvs().front().substr(testing::internal::GetArgvs().front().find_last_of('/') + 1));
    EXPECT_TRUE(program->parent()->directory());
    EXPECT_EQ(AppFolderItemGetter(1), nullptr) << "nothing else is known";
}

} // namespace
