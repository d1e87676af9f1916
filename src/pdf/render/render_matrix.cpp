#include "pdf/render/render_matrix.h"

#include <cmath>
#include <initializer_list>

RenderMatrix RenderMatrix::Then(const RenderMatrix& m) const {
    return {a * m.a + b * m.c, a * m.b + b * m.d,       c * m.a + d * m.c,
            c * m.b + d * m.d, e * m.a + f * m.c + m.e, e * m.b + f * m.d + m.f};
}

void RenderMatrix::Apply(double x, double y, double& outX, double& outY) const {
    outX = a * x + c * y + e;
    outY = b * x + d * y + f;
}

void RenderMatrix::ApplyLinear(double x, double y, double& outX, double& outY) const {
    outX = a * x + c * y;
    outY = b * x + d * y;
}

bool RenderMatrix::IsBounded(double limit) const {
    for (double v : {a, b, c, d, e, f})
        if (!std::isfinite(v) || std::fabs(v) > limit)
            return false;
    return true;
}
