// SPDX-License-Identifier: MIT
#include "ui/qt/start_failure.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/translation.h"

namespace quorvel::ui::qt {
namespace {

// The messages, each whole, its values in %1, %2, ... (Fill puts them in);
// they are shown in the user's language.
constexpr std::string_view kNoDisplay = Mark(
    "Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and "
    "WAYLAND_DISPLAY are empty). Start it from your desktop.");
constexpr std::string_view kUnreachable = Mark(
    "Quorvel cannot open its window, because no display answers at the address it was given "
    "(DISPLAY=\"%1\", WAYLAND_DISPLAY=\"%2\", QT_QPA_PLATFORM=\"%3\"). Check that the display is "
    "running and that these variables name it.");
constexpr std::string_view kVirtualDisplay =
    Mark("On a machine without a display, run it in a virtual one; on Debian:");
constexpr std::string_view kX11Refused = Mark(
    "Quorvel cannot open its window, because the display \"%1\" refused it: this user may not "
    "use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, "
    "and check that XAUTHORITY, if it is set, names that user's authority file "
    "(XAUTHORITY=\"%2\").");
constexpr std::string_view kWaylandRefused = Mark(
    "Quorvel cannot open its window, because the display \"%1\" refused it: this user may not "
    "use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.");
constexpr std::string_view kWaylandMissing = Mark(
    "Quorvel cannot open its window, because the Qt platform plugin \"wayland\" is not "
    "installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:");
constexpr std::string_view kPluginMissing = Mark(
    "Quorvel cannot open its window, because Qt has no platform plugin named \"%1\". Check the "
    "name that QT_QPA_PLATFORM or the -platform option gives.");
constexpr std::string_view kOther =
    Mark("Quorvel cannot start, because Qt stopped it with this error: %1");

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// A command as the user types it: through sudo unless the user is root.
std::string AsRoot(std::string_view command) {
  return std::string(geteuid() == 0 ? "" : "sudo ") + std::string(command);
}

// `word` quoted for a POSIX shell where it needs it.
std::string ShellWord(std::string_view word) {
  if (!word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                              "0123456789/._+-") == std::string_view::npos)
    return std::string(word);
  std::string quoted = "'";
  for (char c : word)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// How to run the program in a virtual display, in commands that work as
// printed.
std::string VirtualDisplayAdvice(std::string_view startedAs) {
  return Tr(kVirtualDisplay) + "\n  " + AsRoot("apt-get install xvfb") + "\n  xvfb-run " +
         ShellWord(startedAs) + "\n";
}

// The platform a warning of Qt's names after `prefix` ("... plugin \"xcb\" ...").
std::string NamedPlatform(const std::string& warning, std::string_view prefix) {
  std::size_t at = warning.find(prefix);
  if (at == std::string::npos)
    return {};
  std::size_t start = at + prefix.size();
  std::size_t end = warning.find('"', start);
  return end == std::string::npos ? std::string() : warning.substr(start, end - start);
}

struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0)
      close(fd);
  }
};

// Connects a Unix socket to `path` (abstract when it starts with '\0'): 0 or
// the error.
int ConnectUnix(const std::string& path) {
  FileDescriptor socket_{socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (socket_.fd < 0 || path.size() >= sizeof(address.sun_path))
    return ENOENT;
  std::memcpy(address.sun_path, path.data(), path.size());
  auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
  return connect(socket_.fd, reinterpret_cast<sockaddr*>(&address), length) == 0 ? 0 : errno;
}

// Whether a TCP connection to `host`:`port` opens within two seconds.
bool ConnectTcp(const char* host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, std::to_string(port).c_str(), &hints, &found) != 0)
    return false;
  std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, &freeaddrinfo);
  for (addrinfo* a = found; a; a = a->ai_next) {
    FileDescriptor socket_{socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol)};
    timeval limit{2, 0};
    setsockopt(socket_.fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
    if (socket_.fd >= 0 && connect(socket_.fd, a->ai_addr, a->ai_addrlen) == 0)
      return true;
  }
  return false;
}

}  // namespace

DisplayAnswer AskX11Display(const std::string& display) {
  char* hostName = nullptr;
  int number = 0;
  if (display.empty() || !xcb_parse_display(display.c_str(), &hostName, &number, nullptr))
    return DisplayAnswer::Nothing;
  std::string host(hostName);
  std::free(hostName);
  bool answers = false;
  if (host.empty() || host == "unix") {
    std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    answers = ConnectUnix(std::string(1, '\0') + path) == 0 || ConnectUnix(path) == 0;
  } else {
    answers = ConnectTcp(host.c_str(), 6000 + number);
  }
  if (!answers)
    return DisplayAnswer::Nothing;
  // Something listens there. Whether it lets this user in, X's handshake
  // tells; libxcb writes the server's reason for a refusal to standard
  // error, which Qt's own attempt has printed already.
  int error = dup(STDERR_FILENO);
  int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null >= 0) {
    dup2(null, STDERR_FILENO);
    close(null);
  }
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  bool accepted = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (error >= 0) {
    dup2(error, STDERR_FILENO);
    close(error);
  }
  return accepted ? DisplayAnswer::Accepted : DisplayAnswer::Refused;
}

DisplayAnswer AskWaylandDisplay(const std::string& display, const std::string& runtimeDir) {
  std::string name = display.empty() ? "wayland-0" : display;
  if (name.front() != '/') {
    if (runtimeDir.empty())
      return DisplayAnswer::Nothing;
    name = runtimeDir + "/" + name;
  }
  int error = ConnectUnix(name);
  if (error == 0)
    return DisplayAnswer::Accepted;
  return error == EACCES || error == EPERM ? DisplayAnswer::Refused : DisplayAnswer::Nothing;
}

StartFailure DiagnoseStartFailure(const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings) {
    std::string missing = NamedPlatform(warning, "Could not find the Qt platform plugin \"");
    if (!missing.empty())
      return {StartFailureKind::PluginMissing, missing};
  }
  for (const std::string& warning : warnings) {
    std::string failed = NamedPlatform(warning, "Could not load the Qt platform plugin \"");
    DisplayAnswer answer = DisplayAnswer::Accepted;
    if (failed == "xcb")
      answer = AskX11Display(Variable("DISPLAY"));
    else if (failed.starts_with("wayland"))
      answer = AskWaylandDisplay(Variable("WAYLAND_DISPLAY"), Variable("XDG_RUNTIME_DIR"));
    if (answer == DisplayAnswer::Nothing)
      return {StartFailureKind::DisplayUnreachable, failed};
    if (answer == DisplayAnswer::Refused)
      return {StartFailureKind::DisplayRefused, failed};
  }
  return {};
}

std::string StartFailureMessage(const StartFailure& failure, std::string_view qtError,
                                std::string_view startedAs) {
  switch (failure.kind) {
    case StartFailureKind::DisplayUnreachable:
      return Fill(Tr(kUnreachable),
                  {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")}) +
             "\n" + VirtualDisplayAdvice(startedAs);
    case StartFailureKind::DisplayRefused:
      if (failure.platform == "xcb")
        return Fill(Tr(kX11Refused), {Variable("DISPLAY"), Variable("XAUTHORITY")}) + "\n";
      return Fill(Tr(kWaylandRefused), {Variable("WAYLAND_DISPLAY")}) + "\n";
    case StartFailureKind::PluginMissing:
      if (failure.platform.starts_with("wayland"))
        return Tr(kWaylandMissing) + "\n  " + AsRoot("apt-get install qt6-wayland") + "\n";
      return Fill(Tr(kPluginMissing), {failure.platform}) + "\n";
    case StartFailureKind::Other:
      break;
  }
  return Fill(Tr(kOther), {qtError}) + "\n";
}

std::string NoDisplayMessage(std::string_view startedAs) {
  return Tr(kNoDisplay) + "\n" + VirtualDisplayAdvice(startedAs);
}

}  // namespace quorvel::ui::qt
