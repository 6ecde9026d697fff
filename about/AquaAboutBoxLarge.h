// The About window, shown only as the start-up splash: product name, version,
// credits, the maker's logo and copyright, the toolchain's badge and a link to
// the maker's home page. Its timer closes it one period after start-up switches
// the timer on.
#pragma once

#include "about/AboutPictures.h"
#include "about/SplashTimer.h"
#include "about/stStaticURL.h"
#include "calculators/WindowClass.h"

struct AquaAboutBoxLarge : calculators::WindowClass<AquaAboutBoxLarge> {
    static constexpr std::string_view kRegisteredName = "AquaAboutBoxLarge.AquaAboutBoxLarge";
    static constexpr std::string_view kCopyright = "Copyright \xC2\xA9 2026 Velmora Studios";
    static constexpr std::string_view kHomePage = "https://velmora.example/";

    static constexpr calculators::WindowDesign kWindow { .placement = 2,
        .width = 284,
        .height = 340,
        .title = "",
        .resizeable = false,
        .liveResize = false,
        .minimizeButton = false };

    // The About window's label streams list their keys in reverse order.
    static constexpr auto kReversed = calculators::KeyOrder::Reversed;
    static constexpr calculators::Bindings kVersionOpens { { calculators::BoundEvent::Open, "stVersion_Open" } };
    static constexpr calculators::Bindings kTimerCloses { { calculators::BoundEvent::Action, "SplashTimer_Action" } };
    static fw::ClassRecord* TimerClass() { return AquaAboutBoxLarge_wrapper_SplashTimer::Class(); }

    // clang-format off
    static constexpr std::tuple kControls{
        calculators::Row(calculators::CanvasDesign{.name = "cnvIcon", .left = 100, .top = 8, .width = 84, .height = 64, .tabIndex = 0}, {calculators::Backdrop(&MakerLogoPicture)}),
        calculators::Row(calculators::LabelDesign{.name = "stName", .left = 24, .top = 84, .width = 236, .height = 35, .tabIndex = 1, .text = "Quillfen", .textAlign = 1, .multiline = true, .bold = true, .keyOrder = kReversed}, {calculators::TextUnit(0), calculators::TextSize(14)}),
        calculators::Row(calculators::LabelDesign{.name = "stDescription", .left = 24, .top = 147, .width = 236, .height = 23, .lockLeft = false, .lockTop = false, .tabIndex = 3, .text = "", .textAlign = 1, .bold = true, .keyOrder = kReversed}, {calculators::TextUnit(0), calculators::TextSize(11)}),
        calculators::Row(calculators::LabelDesign{.name = "StCopyright", .left = 24, .top = 295, .width = 236, .height = 14, .tabIndex = 4, .text = kCopyright, .textAlign = 1, .multiline = true, .enabled = false, .keyOrder = kReversed}, {calculators::TextUnit(0), calculators::TextSize(10)}),
        calculators::Row(calculators::CanvasDesign{.name = "cnvCorvane", .left = 37, .top = 253, .width = 210, .height = 30, .tabIndex = 5}, {calculators::Backdrop(&ToolchainBadgePicture)}),
        calculators::MemberRow("StHomePage", calculators::LinkLabelDesign{.url = kHomePage, .label = {.name = "StHomePage", .left = 24, .top = 307, .width = 236, .height = 13, .tabIndex = 6, .text = "Velmora Studios", .textAlign = 1, .textColor = {0x00, 0x00, 0xCC}, .underline = true}}, &stStaticURL::Class, &stStaticURL::Class, "%o<stStaticURL>%", {calculators::TextUnit(0), calculators::TextSize(10)}),
        calculators::Row(calculators::TextAreaDesign{.name = "efCredits", .left = 24, .top = 182, .width = 236, .height = 59, .tabIndex = 7, .multiline = true, .scrollbarHorizontal = false, .scrollbarVertical = false, .styled = false, .hideSelection = true, .text = "A collection of brewing calculators.\r\rFirst Beta version", .readOnly = true, .automaticallyCheckSpelling = true}, {calculators::TextUnit(0), calculators::TextSize(10), calculators::LineSpacing(1.0)}),
        calculators::Row(calculators::LabelDesign{.name = "stVersion", .left = 24, .top = 123, .width = 236, .height = 12, .tabIndex = 2, .text = "app.ShortVersion", .textAlign = 1, .multiline = true, .keyOrder = kReversed}, {calculators::TextUnit(0), calculators::TextSize(10)}, kVersionOpens),
        calculators::MemberRow("SplashTimer", calculators::TimerDesign{.period = 1000, .mode = 0}, &TimerClass, &fw::Timer::Class, "%o<Timer>%", {}, kTimerCloses),
    };
    // clang-format on

    static void stVersion_Open(fw::Window& self, fw::Label* sender);
    static void SplashTimer_Action(fw::Window& self, fw::Timer* sender);

    static std::span<const MethodDeclaration> OwnMethods();
    static std::span<const PropertyDeclaration> Properties();
};
