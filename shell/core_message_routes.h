// The core's message boxes shown in the engine's: the routes the shell installs at start.
#pragma once

// Points the core's boxes (coreShowMessage, coreShowMessageById) at the engine's message box;
// the core's texts and text measure keep their engine defaults.
void installCoreMessageRoutes();
// Takes the routes away again once the engine's boxes are gone.
void removeCoreMessageRoutes();
