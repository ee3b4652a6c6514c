// The time from the global key to the looked-up list on screen, on a real X server: a
// running window, a selection that changes between presses, and the list's pixels
// read back until they change. The key is pressed by xdotool, whose own start counts
// in the figure (a few milliseconds), as a keyboard's would not.
//   key-to-list WINDOW_ID X Y WIDTH HEIGHT PRESSES
// The rectangle is the list's, in window coordinates.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<unsigned long> pixels(Display* display, Window window, int x, int y, int w, int h)
{
    XImage* image = XGetImage(display, window, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    std::vector<unsigned long> out;
    if (!image)
        return out;
    out.reserve(std::size_t(w) * std::size_t(h));
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            out.push_back(XGetPixel(image, column, row));
    XDestroyImage(image);
    return out;
}

void run(const char* command)
{
    if (std::system(command) != 0) {
        std::fprintf(stderr, "key-to-list: %s failed\n", command);
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: key-to-list WINDOW_ID X Y WIDTH HEIGHT PRESSES\n");
        return 64;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "key-to-list: no X display\n");
        return 1;
    }
    const Window window = Window(std::strtoul(argv[1], nullptr, 0));
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const int presses = std::atoi(argv[6]);
    const char* words[] = {"Haus", "house"};
    std::vector<double> times;
    for (int press = 0; press < presses; ++press) {
        const std::string offer = std::string("printf ") + words[press % 2] +
                                  " | xclip -selection primary >/dev/null 2>&1";
        run(offer.c_str());
        usleep(200'000);
        const auto before = pixels(display, window, x, y, w, h);
        const auto start = Clock::now();
        run("xdotool key ctrl+alt+w");
        while (pixels(display, window, x, y, w, h) == before) {
            if (Clock::now() - start > std::chrono::seconds(10)) {
                std::fprintf(stderr, "key-to-list: the list did not change\n");
                return 1;
            }
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        usleep(300'000);
    }
    std::sort(times.begin(), times.end());
    std::printf("key to list on screen over %d presses: median %.1f ms, min %.1f ms, max %.1f ms\n",
                presses, times[times.size() / 2], times.front(), times.back());
    XCloseDisplay(display);
    return 0;
}
