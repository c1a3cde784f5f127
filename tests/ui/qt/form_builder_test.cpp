// SPDX-License-Identifier: MIT
#include "ui/qt/form_builder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QProxyStyle>
#include <QStyle>
#include <QTemporaryDir>
#include <QWidget>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/about_table.h"
#include "ui/form1_table.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/classic_look.h"
#include "ui/qt/platform.h"
#include "ui/qt/start_failure.h"

namespace quorvel::ui::qt {
namespace {

TEST(FormBuilderTest, LargerDpiScalesTheWholeWindow) {
  for (double dpi : {144.0, 192.0}) {
    QWidget client;
    Controls controls = BuildControls(&client, kForm1Controls, kForm1Window, dpi);
    for (const ControlRow& row : kForm1Controls) {
      QRect rect = controls[row.name]->geometry();
      double scale = dpi / 1440.0;
      EXPECT_NEAR(rect.left(), row.left * scale, 1.0) << row.name;
      EXPECT_NEAR(rect.width(), row.width * scale, 1.0) << row.name;
      EXPECT_NEAR(rect.height(), row.height * scale, 1.0) << row.name;
    }
  }
}

TEST(FormBuilderTest, NeighboursStayFlushAfterScaling) {
  // The Exit button's right edge is flush with the frame's at every DPI.
  for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0}) {
    QWidget client;
    Controls controls = BuildControls(&client, kForm1Controls, kForm1Window, dpi);
    EXPECT_EQ(controls["cBye"]->geometry().right(), controls["Frame1"]->geometry().right()) << dpi;
  }
}

TEST(FormBuilderTest, ThingsThatTakeNoFocusLieBeneathThoseThatDo) {
  QWidget client;
  Controls controls = BuildControls(&client, kForm1Controls, kForm1Window, 96);
  // The unit label overlaps the focal-length box by one pixel; the box wins,
  // though the label comes after it in reading order.
  QWidget* frame = controls["Frame1"];
  QRect overlap = controls["Label4"]->geometry().intersected(controls["iFocal"]->geometry());
  ASSERT_FALSE(overlap.isEmpty());
  EXPECT_EQ(frame->childAt(overlap.center()), controls["iFocal"]);
  EXPECT_EQ(frame->childAt(overlap.center() + QPoint(overlap.width(), 0)), controls["Label4"]);
  Controls about = BuildControls(&client, kAboutControls, kAboutWindow, 96);
  EXPECT_LT(client.children().indexOf(about["Line1(0)"]),
            client.children().indexOf(about["Line1(1)"]))
      << "the grey line is drawn over the white one";
}

// Sets or unsets (nullptr) an environment variable for the life of the
// object, then puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name)) {
    if (value)
      qputenv(name, value);
    else
      qunsetenv(name);
  }
  ~ScopedVariable() {
    if (wasSet_)
      qputenv(name_, saved_);
    else
      qunsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  QByteArray saved_;
};

TEST(ClassicLookTest, TheUsersOwnStyleIsSeenOnTheCommandLineAndInTheEnvironment) {
  const struct {
    std::vector<const char*> arguments;
    const char* override;  // QT_STYLE_OVERRIDE; nullptr: not set
    bool chosen;
  } cases[] = {
      {{"quorvel"}, nullptr, false},
      {{"quorvel", "-style", "Fusion"}, nullptr, true},
      {{"quorvel", "-style=Fusion"}, nullptr, true},
      {{"quorvel", "--style", "fusion"}, nullptr, true},
      {{"quorvel", "--style=fusion"}, nullptr, true},
      {{"quorvel", "-stylesheet", "look.qss"}, nullptr, false},
      {{"quorvel", "style"}, nullptr, false},
      {{"quorvel"}, "Fusion", true},
      {{"quorvel"}, "", false},
  };
  for (const auto& c : cases) {
    ScopedVariable style("QT_STYLE_OVERRIDE", c.override);
    std::vector<char*> argv;
    for (const char* argument : c.arguments)
      argv.push_back(const_cast<char*>(argument));
    EXPECT_EQ(UserChoseStyle(static_cast<int>(argv.size()), argv.data()), c.chosen)
        << c.arguments.back() << " / " << (c.override ? c.override : "(unset)");
  }
}

TEST(ClassicLookTest, AChosenStyleStaysAndTheClassicOneComesOtherwise) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  ApplyClassicLook(true);
  EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
  ApplyClassicLook(false);
  auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
  ASSERT_NE(proxy, nullptr);
  EXPECT_EQ(proxy->baseStyle()->name(), QStringLiteral("windows"));
}

TEST(AppIconTest, IsDrawnFromARenderingLargeEnoughForTheScreensScale) {
  EXPECT_EQ(AppIcon(1.0).availableSizes(), QList<QSize>{QSize(32, 32)})
      << "at 100 % nothing more is read at start-up";
  for (int size : {48, 64}) {
    qreal scale = size / 32.0;
    QPixmap picture = AppIcon(scale).pixmap(QSize(32, 32), scale);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(32, 32)) << scale;
    QImage rendering = QImage(QStringLiteral(":/quorvel/icons/quorvel-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), rendering)
        << "at " << scale << " the " << size << "-pixel rendering, not the 32-pixel one scaled up";
  }
}

TEST(PlatformTest, AWaylandSessionGoesThroughX11WhereItHasItUnlessTheUserChose) {
  const struct {
    const char* wayland;
    const char* display;
    const char* platform;
    std::vector<const char*> arguments;
    const char* expected;
  } cases[] = {
      {"wayland-0", ":0", nullptr, {"quorvel"}, "xcb"},
      {"wayland-0", nullptr, nullptr, {"quorvel"}, "wayland"},
      {"wayland-0", nullptr, "offscreen", {"quorvel"}, nullptr},
      {nullptr, ":0", nullptr, {"quorvel"}, nullptr},
      {"wayland-0", ":0", "wayland", {"quorvel"}, nullptr},
      {"wayland-0", ":0", nullptr, {"quorvel", "-platform", "wayland"}, nullptr},
      {"wayland-0", ":0", nullptr, {"quorvel", "--platform=wayland"}, nullptr},
      {"wayland-0", ":0", nullptr, {"quorvel", "-platformtheme", "gtk3"}, "xcb"},
  };
  for (const auto& c : cases) {
    ScopedVariable wayland("WAYLAND_DISPLAY", c.wayland);
    ScopedVariable display("DISPLAY", c.display);
    ScopedVariable platform("QT_QPA_PLATFORM", c.platform);
    std::vector<char*> argv;
    for (const char* argument : c.arguments)
      argv.push_back(const_cast<char*>(argument));
    const char* chosen = PreferredPlatform(static_cast<int>(argv.size()), argv.data());
    EXPECT_STREQ(chosen, c.expected)
        << (c.wayland ? c.wayland : "-") << " " << (c.display ? c.display : "-") << " "
        << (c.platform ? c.platform : "-") << " " << c.arguments.back();
  }
}

// What Qt said before its fatal error, and the display, tell the cause.
TEST(StartFailureTest, TheCauseComesFromQtsWarningsAndTheDisplay) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  // A Unix socket that answers, as a compositor's does.
  int compositor = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  QByteArray path = runtime.filePath("wayland-answers").toUtf8();
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ASSERT_EQ(bind(compositor, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(compositor, 4), 0);
  ScopedVariable runtimeDir("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData());
  ScopedVariable display("DISPLAY", ":999");
  const std::string notFound = "Could not find the Qt platform plugin \"bogus\" in \"\"";
  auto notLoaded = [](const char* name) {
    return std::string("Could not load the Qt platform plugin \"") + name +
           "\" in \"\" even though it was found.";
  };
  const struct {
    const char* wayland;
    std::vector<std::string> warnings;
    StartFailureKind kind;
    const char* platform;
  } cases[] = {
      {nullptr, {notFound}, StartFailureKind::PluginMissing, "bogus"},
      {nullptr,
       {"could not connect to display :999", notLoaded("xcb")},
       StartFailureKind::DisplayUnreachable,
       "xcb"},
      {"wayland-silent", {notLoaded("wayland")}, StartFailureKind::DisplayUnreachable, "wayland"},
      {"wayland-answers", {notLoaded("wayland")}, StartFailureKind::Other, ""},
      {nullptr, {notLoaded("eglfs")}, StartFailureKind::Other, ""},
      {nullptr, {}, StartFailureKind::Other, ""},
  };
  for (const auto& c : cases) {
    ScopedVariable wayland("WAYLAND_DISPLAY", c.wayland);
    StartFailure failure = DiagnoseStartFailure(c.warnings);
    std::string said = c.warnings.empty() ? "nothing" : c.warnings.back();
    EXPECT_EQ(failure.kind, c.kind) << said;
    EXPECT_EQ(failure.platform, c.platform) << said;
  }
  EXPECT_NE(StartFailureMessage({StartFailureKind::PluginMissing, "wayland"}, "", "quorvel")
                .find("apt-get install qt6-wayland"),
            std::string::npos);
  EXPECT_NE(StartFailureMessage({}, "Could not initialize egl display", "quorvel")
                .find("with this error: Could not initialize egl display"),
            std::string::npos);
  close(compositor);
}

}  // namespace
}  // namespace quorvel::ui::qt
