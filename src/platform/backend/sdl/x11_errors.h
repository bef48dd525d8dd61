#pragma once

namespace quendar {

// Xlib's default error handler ends the program. Requests that fail because a
// peer went away (answering the clipboard request of a client that has
// already exited, for one) must not take the calculator down with them: this
// replaces it with one that reports and carries on. Does nothing where the
// build has no X11.
void KeepRunningOnXErrors();

}  // namespace quendar
