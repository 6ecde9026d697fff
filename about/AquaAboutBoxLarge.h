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

    static void stVersion_Open(fw::Window& self, fw::Label* sender);
    static void SplashTimer_Action(fw::Window& self, fw::Timer* sender);
    static constexpr std::tuple kHandlers { calculators::Handler { "stVersion_Open", &stVersion_Open },
        calculators::Handler { "SplashTimer_Action", &SplashTimer_Action } };

    static constexpr WindowDesign kWindow { .placement = 2,
        .width = 284,
        .height = 340,
        .title = "",
        .resizeable = false,
        .liveResize = false,
        .minimizeButton = false };

    // The About window's label streams list their keys in reverse order.
    // clang-format off
    static constexpr std::tuple kControls{
        Row(CanvasDesign{.name = "cnvIcon", .left = 100, .top = 8, .width = 84, .height = 64, .tabIndex = 0}, {Backdrop(&MakerLogoPicture)}),
        Row(LabelDesign{.name = "stName", .left = 24, .top = 84, .width = 236, .height = 35, .tabIndex = 1, .text = "Quillfen", .textAlign = 1, .multiline = true, .bold = true, .keyOrder = kReversed}, {TextUnit(0), TextSize(14)}),
        Row(LabelDesign{.name = "stDescription", .left = 24, .top = 147, .width = 236, .height = 23, .lockLeft = false, .lockTop = false, .tabIndex = 3, .text = "", .textAlign = 1, .bold = true, .keyOrder = kReversed}, {TextUnit(0), TextSize(11)}),
        Row(LabelDesign{.name = "StCopyright", .left = 24, .top = 295, .width = 236, .height = 14, .tabIndex = 4, .text = kCopyright, .textAlign = 1, .multiline = true, .enabled = false, .keyOrder = kReversed}, {TextUnit(0), TextSize(10)}),
        Row(CanvasDesign{.name = "cnvCorvane", .left = 37, .top = 253, .width = 210, .height = 30, .tabIndex = 5}, {Backdrop(&ToolchainBadgePicture)}),
        Row(LinkLabelDesign{.name = "StHomePage", .left = 24, .top = 307, .width = 236, .height = 13, .tabIndex = 6, .text = "Velmora Studios", .url = kHomePage, .textAlign = 1, .underline = true, .textColor = {0x00, 0x00, 0xCC}}, {TextUnit(0), TextSize(10)})
            .OfClass<stStaticURL>(),
        Row(TextAreaDesign{.name = "efCredits", .left = 24, .top = 182, .width = 236, .height = 59, .tabIndex = 7, .text = "A collection of brewing calculators.\r\rFirst Beta version", .multiline = true, .scrollbarHorizontal = false, .scrollbarVertical = false, .styled = false, .hideSelection = true, .readOnly = true, .automaticallyCheckSpelling = true}, {TextUnit(0), TextSize(10), LineSpacing(1.0)}),
        Row(LabelDesign{.name = "stVersion", .left = 24, .top = 123, .width = 236, .height = 12, .tabIndex = 2, .text = "app.ShortVersion", .textAlign = 1, .multiline = true, .keyOrder = kReversed}, {TextUnit(0), TextSize(10)})
            .On(fw::ControlEvent::kOpen, &stVersion_Open),
        Row("SplashTimer", TimerDesign{.period = 1000, .mode = 0})
            .AllocatedAs<AquaAboutBoxLarge_wrapper_SplashTimer>().On(fw::TimerEvent::kAction, &SplashTimer_Action),
    };
    // clang-format on

    static std::span<const PropertyDeclaration> Properties();
};
