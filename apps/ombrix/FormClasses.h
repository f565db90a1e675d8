#pragma once
// Every class a form may hold: the host's, the foreign stand-ins, the library's, the controls.
// Shared by the command line and the desktop designer.
void RegisterFormClasses();
