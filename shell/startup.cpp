// The main window's start-up event (-1) and close event (-5).
#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "shell/main_window.h"
#include "shell/player_names.h"

void Tglapp::startup() {
  setLanguage("deutsch", 1);
  loadFragments();
  loadMessageTable();
  setLoadingText("Objekte erstellen..");
  showLoadingProgress(20, 1);
  traceStep("Loadall proc..");
  // The main window's dialogs are built here (and their saved states loaded below) once the
  // screens exist.
  cg.loadHighscores();
  setLoadingText("Einstellungen laden..");
  showLoadingProgress(22, 1);
  setLanguage("deutsch", 1);
  trace("OK");
}

void Tglapp::closeDown() {
  // Card-AI objects, music and workers, and the dialog states of the screens are closed
  // here once they exist; then the highscores, then the objects in their fixed order.
  traceStep("unit1.onclose(-5).SAVESETTZ");
  cg.saveHighscores();
  trace("OK");
}

void Tglapp::hardwareTestProgress() { takeRegisteredName(); }

void Tglapp::hardwareTestScene(int32_t) {}

void Tglapp::hardwareTestDone() {}
