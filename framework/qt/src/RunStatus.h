// What the unhandled-exception report tells the run about the exit status.
#pragma once

namespace fw {

// An exception reported while no run is going on escaped set-up or the event loop:
// the program did not do its work, so its exit status says so.
void NoteReportOutsideRun() noexcept;

} // namespace fw
