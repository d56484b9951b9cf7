// Identifiers of the resources linked into orvanne-calc.exe; the .rc file
// includes this header too, so it holds preprocessor definitions only.
#pragma once

// The banner, a 160 x 41 bitmap drawn from the same picture as banner.jpg.
#define IDB_BANNER 1
