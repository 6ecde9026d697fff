// Calls from Qt into the framework's objects.
//
// An object's entry points (userEdited, userClose, fire, Choose ...) run the
// program's handlers, which may raise. An exception must never unwind through
// Qt's event loop: `CallObject` catches it where Qt called us and hands it to the
// run's unhandled-exception road (fw/qt/Run.h), and the program goes on with its
// windows intact.
#pragma once

#include <fw/qt/Run.h>

#include <utility>

namespace fw::qt {

template <class F> void CallObject(F&& call) noexcept { (void)ReportExceptions(std::forward<F>(call)); }

} // namespace fw::qt
