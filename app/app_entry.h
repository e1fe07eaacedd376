#pragma once

class QApplication;
class QObject;
class QString;
class QTranslator;

// What the entry point sets before the application object exists: high-DPI scaling and
// pixmaps with fractional factors as they are, and windows drawn by the CPU alone. No window of
// the tool holds an OpenGL child widget (its pictures are labels and libVLC's own windows), so
// its windows need no OpenGL surface: asking for one has Mesa load its driver and compiler
// (about half of a bare window's start under X11, and some 50 MB) at the first window.
void set_application_attributes();

// Everything the entry point does once the application object exists: catalogue, log, style,
// single-instance lock, main window and event loop. Returns the process exit code (1 when
// another instance holds the lock). Tests call it in-process.
int run_application(QApplication &app);

// Loads the catalogue of the system language (the default locale) and installs it, with Qt's
// catalogue of the same language, as the interface catalogues (core/installed_catalogue.h), so that
// a later language switch replaces them. The translator belongs to owner.
QTranslator *install_system_catalogue(QObject *owner);
