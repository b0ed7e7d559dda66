// The plain-toolkit peer of the launcher's window: its size and background, three rows of a label,
// a progress bar and a button, and nothing else; the yardstick for start-up time and footprint.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Progress.H>

namespace {

constexpr int WIDTH = 680, HEIGHT = 480;
constexpr int ROW_TOP = 140, ROW_PITCH = 68;
const Fl_Color BACKGROUND = fl_rgb_color(0x1D, 0x20, 0x2A);  // the launcher's frame colour
const Fl_Color BAR_COLOURS[] = {fl_rgb_color(0x2E, 0xB8, 0x4B), fl_rgb_color(0xE8, 0xC0, 0x20),
                                fl_rgb_color(0xD0, 0x30, 0x30)};
const char* const LABELS[] = {"Line 1   0.081 s", "Line 2   0.951 s", "Line 3   1.601 s"};
const float FILLS[] = {90.0f, 50.0f, 20.0f};

void AddRow(int row) {
    int y = ROW_TOP + row * ROW_PITCH;
    auto* label = new Fl_Box(40, y, 160, 40, LABELS[row]);
    label->labelcolor(FL_WHITE);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    auto* bar = new Fl_Progress(210, y + 10, 300, 20);
    bar->minimum(0);
    bar->maximum(100);
    bar->value(FILLS[row]);
    bar->selection_color(BAR_COLOURS[row]);
    new Fl_Button(530, y + 4, 100, 32, "Go");
}

}  // namespace

int main(int argc, char** argv) {
    Fl_Double_Window window(WIDTH, HEIGHT, "Peer");
    window.xclass("LumoraPeer");
    window.color(BACKGROUND);
    for (int row = 0; row < 3; ++row)
        AddRow(row);
    window.end();
    window.show(argc, argv);
    return Fl::run();
}
