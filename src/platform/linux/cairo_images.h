#pragma once

#include <cairo.h>

#include "platform/drawing_types.h"
#include "platform/raster_image.h"

// Cairo surfaces and patterns made from the canvas's pictures; each answers nullptr when Cairo cannot
// make it, and the caller owns what it gets.

// The black-and-white tile repeated in device pixels with nearest-neighbour sampling.
cairo_pattern_t* CreateTilePattern(const PatternTile& tile);
// Image samples as RGB pixels.
cairo_surface_t* CreateSampleSurface(const SampleImage& image);
// A decoded picture as RGB pixels.
cairo_surface_t* CreateRasterSurface(const RasterImage& image);
// A one-bit stencil as alpha: opaque where the mask paints.
cairo_surface_t* CreateStencilSurface(const SampleImage& mask);
