#include "platform/backend/sdl/x11_errors.h"

#include <cstdio>

#if defined(QUENDAR_HAVE_X11)
#include <X11/Xlib.h>
#endif

namespace quendar {

#if defined(QUENDAR_HAVE_X11)
namespace {

int ReportXError(Display* display, XErrorEvent* error) {
    char text[160] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "quendar: the X server refused a request (%s, request %d); carrying on\n", text,
                 static_cast<int>(error->request_code));
    return 0;
}

}  // namespace

void KeepRunningOnXErrors() { XSetErrorHandler(ReportXError); }
#else
void KeepRunningOnXErrors() {}
#endif

}  // namespace quendar
