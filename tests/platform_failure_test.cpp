#include <gtest/gtest.h>

#include <QStringList>
#include <optional>

#include "forms/platform_failure_line.h"

namespace {

using forms::PlatformMessage;
using forms::PlatformRequest;
using forms::XDisplayAnswer;

// Qt 6's fatal message when no platform plugin it tried could start.
const char* const noPlatform =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\nAvailable platform plugins are: "
    "minimal, linuxfb, offscreen, xcb, eglfs, vnc, vkkhrdisplay, minimalegl.\n";

PlatformMessage plugin(QtMsgType type, const char* text) {
    return {type, "qt.qpa.plugin", QString::fromUtf8(text)};
}
PlatformMessage notFound(const char* name) {
    return {QtWarningMsg, "qt.qpa.plugin",
            QStringLiteral("Could not find the Qt platform plugin \"%1\" in \"\"").arg(name)};
}
PlatformMessage notLoaded(const char* name) {
    return {QtInfoMsg, "qt.qpa.plugin",
            QStringLiteral("Could not load the Qt platform plugin \"%1\" in \"\" even though it "
                           "was found.")
                .arg(name)};
}
PlatformMessage noXConnection(const char* display) {
    return {QtWarningMsg, "qt.qpa.xcb",
            QStringLiteral("could not connect to display %1").arg(display)};
}
const PlatformMessage noWlDisplay{QtWarningMsg, "default",
                                  "Failed to create wl_display (No such file or directory)"};

struct Environment {
    const char* platformOption = nullptr;
    const char* displayOption = nullptr;
    const char* platformVariable = "";
    const char* displayVariable = nullptr;  // unset
    const char* waylandDisplay = "";
    const char* waylandSocket = "";
};

struct LineCase {
    const char* name;
    std::vector<PlatformMessage> messages;
    const char* fatal;
    Environment environment;
    std::optional<XDisplayAnswer> x;  // what the X server says; none: it must not be asked
    const char* line;
    const char* askedFor = nullptr;  // the display name the X server must be asked of
    bool xCheck = true;              // false: built without the X display check
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class FailureLine : public testing::TestWithParam<LineCase> {};

TEST_P(FailureLine, SaysWhatCouldNotBeOpenedAndWhatToSet) {
    const LineCase& c = GetParam();
    const Environment& e = c.environment;
    PlatformRequest request;
    if (e.platformOption != nullptr) request.platformOption = e.platformOption;
    if (e.displayOption != nullptr) request.displayOption = e.displayOption;
    request.platformVariable = e.platformVariable;
    if (e.displayVariable != nullptr) request.displayVariable = e.displayVariable;
    request.waylandDisplay = e.waylandDisplay;
    request.waylandSocket = e.waylandSocket;
    QByteArrayList asked;
    if (c.xCheck) {
        request.askX = [&](const QByteArray& display) {
            asked << display;
            return c.x.value_or(XDisplayAnswer{});
        };
    }
    EXPECT_EQ(
        forms::platformFailureLine(c.messages, QString::fromUtf8(c.fatal), request).toStdString(),
        c.line);
    EXPECT_EQ(asked.size(), c.x ? 1 : 0);
    if (c.askedFor != nullptr) {
        EXPECT_EQ(asked, QByteArrayList{c.askedFor});
    }
}

const XDisplayAnswer noServer{XDisplayAnswer::NoServer, 0, 0};
const char* const eglFailure = "EGL Error : Could not create the egl surface: error = 0x300b\n";
const char* const xcbCursor =
    "From 6.5.0, xcb-cursor0 or libxcb-cursor0 is needed to load the Qt xcb platform plugin.";

INSTANTIATE_TEST_SUITE_P(
    QtMessages, FailureLine,
    testing::Values(
        LineCase{"XWithoutDisplay",
                 {noXConnection(""), notLoaded("xcb")},
                 noPlatform,
                 {},
                 {},
                 "cannot open an X display: DISPLAY is not set; set DISPLAY to a running X server"},
        LineCase{"DisplaySetButEmpty",
                 {noXConnection(""), notLoaded("xcb")},
                 noPlatform,
                 {.displayVariable = ""},
                 {},
                 "cannot open an X display: DISPLAY is set but empty; set DISPLAY to a running X "
                 "server"},
        // An empty -display opens the display DISPLAY names, as no -display does.
        LineCase{"EmptyDisplayOption",
                 {noXConnection(""), notLoaded("xcb")},
                 noPlatform,
                 {.displayOption = "", .displayVariable = ":59"},
                 noServer,
                 "cannot open the X display \":59\" (from DISPLAY); set DISPLAY to a running X "
                 "server",
                 ":59"},
        LineCase{"DisplayWithNoServer",
                 {noXConnection(":59"), notLoaded("xcb")},
                 noPlatform,
                 {},
                 noServer,
                 "cannot open the X display \":59\" (from DISPLAY); set DISPLAY to a running X "
                 "server"},
        LineCase{"DisplayOptionWithNoServer",
                 {noXConnection(":59"), notLoaded("xcb")},
                 noPlatform,
                 {.displayOption = ":59"},
                 noServer,
                 "cannot open the X display \":59\" (from -display); give -display a running X "
                 "server"},
        LineCase{"ServerAnswersButQtCannotConnect",
                 {noXConnection(":0"), notLoaded("xcb")},
                 noPlatform,
                 {},
                 XDisplayAnswer{XDisplayAnswer::Open, 0, 1},
                 "Qt's platform plugin \"xcb\" (Qt's default) could not start: could not "
                 "connect to display :0; set QT_QPA_PLATFORM to another platform"},
        LineCase{"NotADisplayName",
                 {noXConnection("nohost:abc"), notLoaded("xcb")},
                 noPlatform,
                 {},
                 XDisplayAnswer{XDisplayAnswer::BadName, 0, 0},
                 "\"nohost:abc\" (from DISPLAY) is not an X display name; set DISPLAY to a "
                 "running X server"},
        LineCase{"MissingScreenOfOne",
                 {noXConnection(":75.5"), notLoaded("xcb")},
                 noPlatform,
                 {.platformVariable = "xcb"},
                 XDisplayAnswer{XDisplayAnswer::NoScreen, 5, 1},
                 "the X server of \":75.5\" (from DISPLAY) has no screen 5, only 1 (\":75.0\"); "
                 "set DISPLAY to one of its screens"},
        LineCase{"MissingScreenOfThree",
                 {noXConnection("host:75.3"), notLoaded("xcb")},
                 noPlatform,
                 {.displayOption = "host:75.3"},
                 XDisplayAnswer{XDisplayAnswer::NoScreen, 3, 3},
                 "the X server of \"host:75.3\" (from -display) has no screen 3, only 3 "
                 "(\"host:75.0\" to \"host:75.2\"); give -display one of its screens"},
        LineCase{"MissingScreenOfAHostWithDots",
                 {noXConnection("10.0.0.5:0.3"), notLoaded("xcb")},
                 noPlatform,
                 {.displayVariable = "10.0.0.5:0.3"},
                 XDisplayAnswer{XDisplayAnswer::NoScreen, 3, 2},
                 "the X server of \"10.0.0.5:0.3\" (from DISPLAY) has no screen 3, only 2 "
                 "(\"10.0.0.5:0.0\" to \"10.0.0.5:0.1\"); set DISPLAY to one of its screens",
                 "10.0.0.5:0.3"},
        LineCase{"MissingScreenOfOneOfAHostWithDots",
                 {noXConnection("host.example:7.1"), notLoaded("xcb")},
                 noPlatform,
                 {.displayOption = "host.example:7.1"},
                 XDisplayAnswer{XDisplayAnswer::NoScreen, 1, 1},
                 "the X server of \"host.example:7.1\" (from -display) has no screen 1, only 1 "
                 "(\"host.example:7.0\"); give -display one of its screens"},
        // Built without the X display check: Qt's words for the display.
        LineCase{"NoXCheckDisplayWithNoServer",
                 {noXConnection(":59"), notLoaded("xcb")},
                 noPlatform,
                 {.displayVariable = ":59"},
                 {},
                 "cannot open the X display \":59\" (from DISPLAY): could not connect to display "
                 ":59; set DISPLAY to a running X server",
                 nullptr,
                 false},
        LineCase{"NoXCheckDisplayOption",
                 {noXConnection(":75.5"), plugin(QtWarningMsg, xcbCursor), notLoaded("xcb")},
                 noPlatform,
                 {.displayOption = ":75.5", .platformVariable = "xcb"},
                 {},
                 "cannot open the X display \":75.5\" (from -display): could not connect to "
                 "display :75.5, From 6.5.0, xcb-cursor0 or libxcb-cursor0 is needed to load the "
                 "Qt xcb platform plugin; give -display a running X server",
                 nullptr,
                 false},
        LineCase{"NoXCheckWithoutDisplay",
                 {noXConnection(""), notLoaded("xcb")},
                 noPlatform,
                 {},
                 {},
                 "cannot open an X display: DISPLAY is not set; set DISPLAY to a running X server",
                 nullptr,
                 false},
        LineCase{"NoXCheckUnknownPlatform",
                 {notFound("nonsense")},
                 noPlatform,
                 {.platformOption = "nonsense"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from -platform) is not installed; give "
                 "-platform one of: eglfs, linuxfb, minimal, minimalegl, offscreen, vkkhrdisplay, "
                 "vnc, xcb",
                 nullptr,
                 false},
        // Qt 6.5 and later, where the X cursor library is missing.
        LineCase{"XcbCursorMissing",
                 {plugin(QtWarningMsg,
                         "From 6.5.0, xcb-cursor0 or libxcb-cursor0 is needed to load the Qt xcb "
                         "platform plugin."),
                  plugin(QtWarningMsg,
                         "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was "
                         "found.")},
                 noPlatform,
                 {},
                 {},
                 "Qt's platform plugin \"xcb\" (Qt's default) could not start: From 6.5.0, "
                 "xcb-cursor0 or libxcb-cursor0 is needed to load the Qt xcb platform plugin; set "
                 "QT_QPA_PLATFORM to another platform"},
        LineCase{"ReasonsInQtsWords",
                 {{QtWarningMsg, "qt.qpa.eglfs.kms", "Could not open DRM device /dev/dri/card0"},
                  {QtCriticalMsg, "qt.qpa.eglfs", "No screens available."},
                  notLoaded("eglfs")},
                 noPlatform,
                 {.platformOption = "eglfs"},
                 {},
                 "Qt's platform plugin \"eglfs\" (from -platform) could not start: Could not open "
                 "DRM device /dev/dri/card0, No screens available; give -platform another "
                 "platform"},
        LineCase{"PluginEndsTheProcessItself",
                 {},
                 "EGL Error : Could not create the egl surface: error = 0x300b\n",
                 {.platformVariable = "eglfs"},
                 {},
                 "Qt's platform plugin \"eglfs\" (from QT_QPA_PLATFORM) could not start: EGL Error "
                 ": Could not create the egl surface: error = 0x300b; set QT_QPA_PLATFORM to "
                 "another platform"},
        // Qt went on to the next platform asked for, which ended the process.
        LineCase{"OneReportedThenTheNextEndsTheProcess",
                 {{QtWarningMsg, "qt.qpa.failing", "No device."},
                  notLoaded("failing"),
                  {QtWarningMsg, "qt.qpa.eglfs.kms", "Could not open DRM device /dev/dri/card0"}},
                 eglFailure,
                 {.platformVariable = "failing;eglfs"},
                 {},
                 "Qt's platform plugin \"failing\" (from QT_QPA_PLATFORM) could not start: No "
                 "device, and Qt's platform plugin \"eglfs\" (from QT_QPA_PLATFORM) could not "
                 "start: Could not open DRM device /dev/dri/card0, EGL Error : Could not create "
                 "the egl surface: error = 0x300b; set QT_QPA_PLATFORM to another platform"},
        LineCase{"OneMissingThenTheNextEndsTheProcess",
                 {notFound("nonsense")},
                 "The platform cannot go on.\n",
                 {.platformOption = "nonsense;eglfs;xcb", .platformVariable = "xcb"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from -platform) is not installed, and Qt's "
                 "platform plugin \"eglfs\" (from -platform) could not start: The platform "
                 "cannot go on; give -platform another platform"},
        LineCase{"LoadedButSilent",
                 {notLoaded("vnc")},
                 noPlatform,
                 {.platformVariable = "vnc"},
                 {},
                 "Qt's platform plugin \"vnc\" (from QT_QPA_PLATFORM) is installed but could not "
                 "start (QT_DEBUG_PLUGINS=1 shows why); set QT_QPA_PLATFORM to another platform"},
        LineCase{"UnknownPlatform",
                 {notFound("nonsense")},
                 noPlatform,
                 {.platformVariable = "nonsense"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not installed; set "
                 "QT_QPA_PLATFORM to one of: eglfs, linuxfb, minimal, minimalegl, offscreen, "
                 "vkkhrdisplay, vnc, xcb"},
        LineCase{"UnknownPlatformOption",
                 {notFound("nonsense")},
                 noPlatform,
                 {.platformOption = "Nonsense", .platformVariable = "offscreen"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from -platform) is not installed; give "
                 "-platform one of: eglfs, linuxfb, minimal, minimalegl, offscreen, vkkhrdisplay, "
                 "vnc, xcb"},
        LineCase{"UnknownPlatformAfterAnEmptyPart",
                 {notFound("nonsense")},
                 noPlatform,
                 {.platformVariable = ";:Nonsense:option"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not installed; set "
                 "QT_QPA_PLATFORM to one of: eglfs, linuxfb, minimal, minimalegl, offscreen, "
                 "vkkhrdisplay, vnc, xcb"},
        LineCase{"DefaultPlatformNotInstalled",
                 {notFound("xcb")},
                 "This application failed to start because no Qt platform plugin could be "
                 "initialized. Reinstalling the application may fix this problem.\n\nAvailable "
                 "platform plugins are: offscreen, minimal.\n",
                 {},
                 {},
                 "Qt's platform plugin \"xcb\" (Qt's default) is not installed; install it, or "
                 "set QT_QPA_PLATFORM to one of: minimal, offscreen"},
        LineCase{"TwoUnknownPlatformsAdvisedOnce",
                 {notFound("nonsense"), notFound("bogus")},
                 noPlatform,
                 {.platformVariable = "nonsense;bogus:option=1"},
                 {},
                 "Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not installed, and "
                 "Qt's platform plugin \"bogus\" (from QT_QPA_PLATFORM) is not installed; set "
                 "QT_QPA_PLATFORM to one of: eglfs, linuxfb, minimal, minimalegl, offscreen, "
                 "vkkhrdisplay, vnc, xcb"},
        LineCase{"TwoPluginsWithoutDisplays",
                 {noWlDisplay, notLoaded("wayland"), noXConnection(""), notLoaded("xcb")},
                 noPlatform,
                 {.platformVariable = "wayland;xcb"},
                 {},
                 "Qt's platform plugin \"wayland\" (from QT_QPA_PLATFORM) finds no Wayland "
                 "display: WAYLAND_DISPLAY is not set, and cannot open an X display: DISPLAY is "
                 "not set; set WAYLAND_DISPLAY to a running compositor's socket, or set DISPLAY "
                 "to a running X server"},
        LineCase{"WaylandWithoutCompositor",
                 {noWlDisplay, notLoaded("wayland")},
                 noPlatform,
                 {.platformVariable = "wayland", .waylandDisplay = "wayland-9"},
                 {},
                 "Qt's platform plugin \"wayland\" (from QT_QPA_PLATFORM) cannot connect to the "
                 "Wayland display \"wayland-9\" (from WAYLAND_DISPLAY); set WAYLAND_DISPLAY to a "
                 "running compositor's socket"},
        LineCase{
            "WaylandSocketHandedOver",
            {noWlDisplay, notLoaded("wayland")},
            noPlatform,
            {.platformVariable = "wayland", .waylandDisplay = "wayland-0", .waylandSocket = "7"},
            {},
            "Qt's platform plugin \"wayland\" (from QT_QPA_PLATFORM) cannot use the "
            "connection handed over in WAYLAND_SOCKET (\"7\"); unset WAYLAND_SOCKET, or set "
            "WAYLAND_DISPLAY to a running compositor's socket"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(FailureLine, APlatformWithoutAScreenIsNamedWithWhatItSaid) {
    const QString name = QStringLiteral("screenless");
    PlatformRequest request;
    request.platformOption = "screenless";
    EXPECT_EQ(forms::screenlessPlatformLine(name, {}, request).toStdString(),
              "Qt's platform plugin \"screenless\" (from -platform) started without a screen; give "
              "-platform a platform that has one here");
    request = {};
    request.platformVariable = "screenless";
    const std::vector<PlatformMessage> said{
        {QtWarningMsg, "qt.qpa.screen", "No display connected."},
        {QtCriticalMsg, "qt.qpa.screen", "  Output DP-1 is off "}};
    EXPECT_EQ(forms::screenlessPlatformLine(name, said, request).toStdString(),
              "Qt's platform plugin \"screenless\" (from QT_QPA_PLATFORM) started without a "
              "screen: No display connected, Output DP-1 is off; set QT_QPA_PLATFORM to a "
              "platform that has one here");
}

struct OptionsCase {
    const char* name;
    QByteArrayList arguments;
    const char* platformVariable;
    const char* platform;  // the -platform Qt reads; null: none
    const char* display;   // the -display Qt's X platform reads; null: none
};

void PrintTo(const OptionsCase& c, std::ostream* os) {
    *os << c.name;
}

class QtOptions : public testing::TestWithParam<OptionsCase> {};

// Qt's options as Qt reads them: the line names one only where Qt took it.
TEST_P(QtOptions, AreReadAsQtReadsThem) {
    const OptionsCase& c = GetParam();
    PlatformRequest request;
    request.platformVariable = c.platformVariable;
    request.platformOption = "stale";
    request.displayOption = "stale";
    forms::readQtOptions(request, c.arguments);
    EXPECT_EQ(request.platformOption.isNull(), c.platform == nullptr)
        << request.platformOption.constData();
    if (c.platform != nullptr) {
        EXPECT_EQ(request.platformOption, c.platform);
    }
    EXPECT_EQ(request.displayOption.isNull(), c.display == nullptr)
        << request.displayOption.constData();
    if (c.display != nullptr) {
        EXPECT_EQ(request.displayOption, c.display);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, QtOptions,
    testing::Values(
        OptionsCase{"None", {}, "", nullptr, nullptr},
        OptionsCase{"OneDash", {"-platform", "xcb", "-display", ":1"}, "", "xcb", ":1"},
        OptionsCase{
            "TwoDashes", {"--platform", "nonsense", "--display", ":5.1"}, "", "nonsense", ":5.1"},
        OptionsCase{"ThreeDashes", {"---platform", "a", "---display", ":5"}, "", nullptr, nullptr},
        OptionsCase{"WithAnEqualsSign", {"--platform=a", "-display=:5"}, "", nullptr, nullptr},
        OptionsCase{
            "TheLastCounts",
            {"-platform", "a", "file", "--platform", "b", "-display", ":1", "--display", ":2"},
            "",
            "b",
            ":2"},
        OptionsCase{"EmptyValues", {"-platform", "", "-display", ""}, "", "", ""},
        OptionsCase{"NoValueAtTheEnd", {"-display", ":1", "-platform"}, "", nullptr, ":1"},
        OptionsCase{"NoDisplayValueAtTheEnd", {"-platform", "a", "--display"}, "", "a", nullptr},
        OptionsCase{"TheValueOfAnotherOption",
                    {"-qwindowtitle", "-platform", "a", "--platformtheme", "-display", ":1"},
                    "",
                    nullptr,
                    nullptr},
        OptionsCase{"XAliasTakesAValueOnX", {"-title", "-platform", "a"}, "xcb", nullptr, nullptr},
        OptionsCase{
            "XAliasIsNoOptionElsewhere", {"-title", "-platform", "a"}, "offscreen", "a", nullptr},
        OptionsCase{
            "XPlatformOptionTakesAValue", {"-name", "-display", ":1"}, "", nullptr, nullptr},
        // Qt takes its own options out before its X platform reads the rest.
        OptionsCase{"PlatformOptionsBeforeXOptions",
                    {"-display", "-platform", "xcb", ":3"},
                    "",
                    "xcb",
                    ":3"}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

struct HeldCase {
    const char* name;
    QtMsgType type;
    const char* category;
    const char* text;
    bool held;
};

void PrintTo(const HeldCase& c, std::ostream* os) {
    *os << c.name;
}

class HeldMessage : public testing::TestWithParam<HeldCase> {};

// What the line may be made of is held; everything else goes on at once.
TEST_P(HeldMessage, OnlyWhatTheLineMayBeMadeOf) {
    const HeldCase& c = GetParam();
    EXPECT_EQ(forms::isPlatformMessage(c.type, c.category, QString::fromUtf8(c.text)), c.held);
}

INSTANTIATE_TEST_SUITE_P(
    QtMessages, HeldMessage,
    testing::Values(
        HeldCase{"PluginReport", QtInfoMsg, "qt.qpa.plugin",
                 "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.",
                 true},
        HeldCase{"XConnection", QtWarningMsg, "qt.qpa.xcb", "could not connect to display :59",
                 true},
        HeldCase{"WaylandInTheDefaultCategory", QtWarningMsg, "default",
                 "Failed to create wl_display (No such file or directory)", true},
        HeldCase{"PlatformCritical", QtCriticalMsg, "qt.qpa.eglfs", "No screens available.", true},
        HeldCase{"DebugOutputAskedFor", QtDebugMsg, "qt.qpa.xcb", "has feature: true", false},
        HeldCase{"NotAPlatformCategory", QtWarningMsg, "qt.qpainter", "painter not active", false},
        HeldCase{"StandardPaths", QtWarningMsg, "default",
                 "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'",
                 false},
        HeldCase{"PluginLoaderDebugging", QtWarningMsg, "qt.core.plugin.loader",
                 "Cannot load library libqxcb.so", false},
        HeldCase{"NoCategory", QtWarningMsg, nullptr, "a warning", false}),
    [](const testing::TestParamInfo<HeldCase>& info) { return info.param.name; });

}  // namespace
