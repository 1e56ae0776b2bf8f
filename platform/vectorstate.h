#pragma once

namespace oltrave {

// Qt's raster routines (filling an image, a painter's line) run in AVX and
// return with the upper halves of the vector registers still marked in use.
// Until something clears that mark, every SSE instruction after them pays
// for the mixed state: the sampling loop's libm calls take about twenty
// times as long. Called after each such routine; does nothing on processors
// without AVX and elsewhere than x86-64.
void releaseUpperVectorState();

} // namespace oltrave
