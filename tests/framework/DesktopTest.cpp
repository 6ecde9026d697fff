// Colours from their channels and the hand-off of addresses to the desktop.
#include <fw/Desktop.h>
#include <fw/String.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fw;

TEST(Desktop, ColoursKeepTheirChannelsAndAlphaZeroIsOpaque)
{
    EXPECT_EQ(RuntimeRGBA(0, 0, 255, 0), (Color { 0, 0, 255 }));
    EXPECT_EQ(RuntimeRGBA(255, 0, 0, 0), (Color { 255, 0, 0 }));
}

TEST(Desktop, ShowURLHandsTheTextUnchangedToTheInstalledHandler)
{
    std::vector<std::string> opened;
    auto previous = SetShowURLHandler([&](std::string_view url) { opened.emplace_back(url); });
    GlobalShowURL(Literal<"https://example.org/brewing?a=1&b=2">());
    GlobalShowURL(Literal<"Velmora Studios">());
    GlobalShowURL(nullptr);
    SetShowURLHandler(std::move(previous));
    GlobalShowURL(Literal<"https://example.org/">()); // the headless default opens nothing

    EXPECT_EQ(opened, (std::vector<std::string> { "https://example.org/brewing?a=1&b=2", "Velmora Studios", "" }));
}

} // namespace
