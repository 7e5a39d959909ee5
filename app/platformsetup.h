#ifndef ZAREL_PLATFORMSETUP_H
#define ZAREL_PLATFORMSETUP_H

// Choices about the platform made before the application object exists.

// The panel draws with widgets only, yet Qt's X11 platform loads an OpenGL
// implementation (tens of megabytes of software rasteriser on most desktops)
// as soon as it starts. Unless the operator's environment names a GL
// integration itself, none is loaded.
void skipUnusedOpenGl();

#endif // ZAREL_PLATFORMSETUP_H
