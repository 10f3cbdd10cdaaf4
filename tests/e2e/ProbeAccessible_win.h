#pragma once
// The probe's look through a screen reader's eyes: the accessible objects of a window's controls,
// read from another process through the system's accessibility library.

#include <string>

// For the first top-level window of the class, its own object and every child window's
// (OBJID_CLIENT, as AccessibleObjectFromWindow hands it over), one a line:
//   "window\tCLASS\tROLE\tSTATE\tCHILDREN\tNAME", then "object\t..." for each child window
// ROLE and STATE as decimal numbers; then, for an object with simple children, its first
// `rows` of them: "child\tINDEX\tROLE\tSTATE\t0\tNAME". A control without an object of its
// own prints "none\tCLASS\tHRESULT". Returns the probe's exit code.
int AccessibleObjectsOf(const std::wstring& className, int rows);
