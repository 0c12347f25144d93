#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace {
constexpr int STARTUP_TIMEOUT_MS = 20000;

// Xvfb writes the display number it chose to this pipe once it accepts clients.
std::string readDisplayNumber(int fd) {
    std::string number;
    pollfd waiting{fd, POLLIN, 0};
    char c = 0;
    while (poll(&waiting, 1, STARTUP_TIMEOUT_MS) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

// A window the game destroys while it is being looked at (a switch between
// window and full screen) is simply not there: Xlib's own handler would end
// the test.
int ignoreVanishedWindow(Display*, XErrorEvent*) {
    return 0;
}

int32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<int32_t>(((pixel & mask) >> shift) * 255 / top);
}

std::vector<Window> childrenOf(Display* d, Window window) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> out;
    if (!XQueryTree(d, window, &root, &parent, &children, &count))
        return out;
    out.assign(children, children + count);
    if (children)
        XFree(children);
    return out;
}

bool viewable(Display* d, Window window, XWindowAttributes& attributes) {
    return XGetWindowAttributes(d, window, &attributes) && attributes.map_state == IsViewable;
}

bool titled(Display* d, Window window, const std::string& title) {
    char* name = nullptr;
    const bool same = XFetchName(d, window, &name) && name && title == name;
    if (name)
        XFree(name);
    return same;
}

Window sizedBelow(Display* d, Window window, int32_t width, int32_t height) {
    for (Window child : childrenOf(d, window)) {
        XWindowAttributes attributes{};
        if (!viewable(d, child, attributes))
            continue;
        if (attributes.width == width && attributes.height == height)
            return child;
        if (Window found = sizedBelow(d, child, width, height))
            return found;
    }
    return 0;
}
} // namespace

struct VirtualDisplay::Connection {
    Display* display = nullptr;
    bool mapped = false;
};

VirtualDisplay::VirtualDisplay(const std::string& geometry) : connection(std::make_unique<Connection>()) {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("no pipe for Xvfb");
    server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                 geometry, "-nolisten", "tcp"},
        "/", ChildProcess::Environment{});
    close(fds[1]);
    const std::string number = readDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    displayName = ":" + number;
    connection->display = XOpenDisplay(displayName.c_str());
    if (!connection->display)
        throw std::runtime_error("cannot reach Xvfb on " + displayName);
    XSetErrorHandler(ignoreVanishedWindow);
}

VirtualDisplay::~VirtualDisplay() {
    if (connection->display)
        XCloseDisplay(connection->display);
    server->stop();
}

unsigned long VirtualDisplay::findWindow(const std::string& title) {
    Display* d = connection->display;
    for (Window child : childrenOf(d, DefaultRootWindow(d))) {
        XWindowAttributes attributes{};
        if (titled(d, child, title) && viewable(d, child, attributes))
            return child;
    }
    return 0;
}

unsigned long VirtualDisplay::findWindowSized(int32_t width, int32_t height) {
    Display* d = connection->display;
    return sizedBelow(d, DefaultRootWindow(d), width, height);
}

Rgb VirtualDisplay::pixel(int32_t x, int32_t y) {
    return image(x, y, 1, 1).front();
}

std::vector<Rgb> VirtualDisplay::image(int32_t x, int32_t y, int32_t width, int32_t height) {
    Display* d = connection->display;
    XImage* shot = XGetImage(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!shot)
        throw std::runtime_error("cannot read the screen");
    std::vector<Rgb> colours;
    colours.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int32_t row = 0; row < height; ++row)
        for (int32_t column = 0; column < width; ++column) {
            const unsigned long value = XGetPixel(shot, column, row);
            colours.push_back(Rgb{channel(value, shot->red_mask),
                                  channel(value, shot->green_mask),
                                  channel(value, shot->blue_mask)});
        }
    XDestroyImage(shot);
    return colours;
}

void VirtualDisplay::windowOrigin(unsigned long window, int32_t& x, int32_t& y) {
    Display* d = connection->display;
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, &rootX, &rootY, &child);
    x = rootX;
    y = rootY;
}

void VirtualDisplay::pressCloseBox(unsigned long window) {
    Display* d = connection->display;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &event);
    XSync(d, False);
}

void VirtualDisplay::loseServer() {
    // Our own connection first: Xlib would end this process on the lost server.
    XCloseDisplay(connection->display);
    connection->display = nullptr;
    server->stop();
}

void VirtualDisplay::watchMappings() {
    Display* d = connection->display;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False); // the server now reports every mapping to us
}

bool VirtualDisplay::sawMapping() {
    Display* d = connection->display;
    XSync(d, False);
    while (XPending(d)) {
        XEvent event;
        XNextEvent(d, &event);
        if (event.type == MapNotify)
            connection->mapped = true;
    }
    return connection->mapped;
}
