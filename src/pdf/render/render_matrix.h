#pragma once

// An affine transform in the PDF order [a b c d e f]: a point (x, y) goes to
// (a x + c y + e, b x + d y + f).
struct RenderMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    static RenderMatrix Translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static RenderMatrix Scaling(double x, double y) { return {x, 0, 0, y, 0, 0}; }

    // This transform followed by `then` (the PDF product this × then, as `cm` combines with the CTM).
    RenderMatrix Then(const RenderMatrix& then) const;
    void Apply(double x, double y, double& outX, double& outY) const;
    // Applies only the linear part (for distances).
    void ApplyLinear(double x, double y, double& outX, double& outY) const;
    // True when all six numbers are finite and no larger than `limit` in magnitude.
    bool IsBounded(double limit) const;
};
