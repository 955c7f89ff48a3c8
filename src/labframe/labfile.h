#pragma once
// Lab files are read and written by the window-free part of the lab frame
// (labframe/file); this name stays for the windows that include it.
#include "labframe/file/labfile.h"
