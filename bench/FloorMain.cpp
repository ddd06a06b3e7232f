// The floor as a program of its own, started and timed by the benchmark beside ours.
#include "bench/Floor.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    bench::FloorSteps steps;
    bench::ShowFloor(instance, steps);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
