// The engine form's life: construction in its fixed order, the application's message loop
// (the first paint runs the frame loop inside it), the fatal-error path and the destruction
// in its fixed order.
#pragma once

#include <exception>
#include <string>

// TVTLApplication.Create up to the main window's creation handler, which the caller runs
// next: protocol log, error log, defaults, message dialogs, display modes, the window
// (opened bordered at 640 x 480). No GL context exists until the first paint. A window the
// window system refuses is EInOutError.
void engineCreate();
// TVTLApplication.Destroy: the close event (-5) first, then the engine's option files, the
// dialogs and strings, the display modes (restoring a switched desktop), the GL context, the
// window. A failure of one step is reported and the next steps still run.
void engineDestroy();

// The application's message loop: the window's first paint (which holds the frame loop)
// and then window messages until the form's close went through. Exceptions out of the paint
// or a message go to appException.
void runApplication();

// TVTLApplication.appException: exceptions of the Windows-API error class ("EOSError") and
// socket errors ("ESocketError") are ignored; any other is written to "errors.txt" (with the
// call-stack text) and shown by showFatalError, which ends the program in order.
void appException(const std::exception& e);
// TVTLApplication.showFatalError: the report in a platform message box, then
// noQuitQuestion, terminating state and the close request (the main window's close query
// sets exitGranted, so the loop ends at the next frame boundary).
void showFatalError(const std::string& report);

// The box's caption and text for a report (a report naming a ".dll'" module gets its class
// and module, or its module in the caption).
struct TVTLFatalBox {
  std::string caption, text;
};
TVTLFatalBox fatalErrorBox(const std::string& report);
